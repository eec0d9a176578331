// The scenario runner's page starting: the collection on a virtual clock, its windows drawn by
// the player's page's own view. Tests and tools drive it with scenarios: window.minigamesSim(lines)
// carries them out and gives what the runner printed, as minigames-sim prints it.

/* eslint-env browser */
/* global mgWakeUps, mgView, mgPhone, mgContents */
const mgSimStart = {
  // A promise of the started program with the runner, rejected with the reason it cannot run.
  simulated: null,

  // Once the whole page has been read: the program's script and code come after this one.
  startSimulated() {
    MG.simulated = new Promise((resolve) => {
      document.addEventListener('DOMContentLoaded', resolve);
    }).then(() => MG.createProgram('createMinigamesSim', 'minigames-sim-code')).then((program) => {
      program.ccall('mg_sim_start', null, [], []);
      return program;
    }).catch((error) => MG.stopSimulated('could not start', error));
    MG.simulated.catch(() => {});
  },
  // A promise of what the runner printed for `lines`.
  simulate(lines) {
    return MG.simulated.then((program) => {
      try {
        return program.ccall('mg_sim_run', 'string', ['string'], [lines]);
      } catch (error) {
        return MG.stopSimulated('stopped', error);
      }
    });
  },
  // Every later call is refused with the reason, and so is this one.
  stopSimulated(what, error) {
    console.error('minigames: the scenario runner ' + what + ':', error);
    const reason = new Error('the scenario runner ' + what + ': ' +
      (error instanceof Error ? error.message : String(error)));
    MG.simulated = Promise.reject(reason);
    MG.simulated.catch(() => {});
    throw reason;
  },
};

var MG = { ...mgWakeUps, ...mgView, ...mgPhone, ...mgContents, ...mgSimStart };
MG.addFace();
MG.startSimulated();
window.minigamesSim = (lines) => MG.simulate(lines);
