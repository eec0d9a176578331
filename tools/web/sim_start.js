// The scenario runner's page starting: the collection on a virtual clock, its windows drawn by
// the player's page's own view. Tests and tools drive it with scenarios: window.minigamesSim(lines)
// carries them out and gives what the runner printed, as minigames-sim prints it.

import * as boxes from '../../app/web/page/boxes.js';
import * as contents from '../../app/web/page/contents.js';
import * as phone from '../../app/web/page/phone.js';
import { programCalls } from '../../app/web/page/program_calls.js';
import * as thumbs from '../../app/web/page/thumbs.js';
import * as twins from '../../app/web/page/twins.js';
import * as view from '../../app/web/page/view.js';

// Every later call is refused with the reason, and so is this one.
function stop(what, error) {
  console.error('minigames: the scenario runner ' + what + ':', error);
  const reason = new Error('the scenario runner ' + what + ': ' +
    (error instanceof Error ? error.message : String(error)));
  simulated = Promise.reject(reason);
  simulated.catch(() => {});
  throw reason;
}

view.listen(phone.windowListener);
boxes.whenOpened(phone.bringToFront);
phone.followScreen();
thumbs.follow();
twins.followPointer();
contents.addFace();

// A promise of the started program with the runner, rejected with the reason it cannot run: once
// the whole page has been read, for the program's script and code come after this one.
let simulated = new Promise((resolve) => {
  document.addEventListener('DOMContentLoaded', resolve);
}).then(() => contents.createProgram('createMinigamesSim', 'minigames-sim-code',
  programCalls(() => {}))).then((program) => {
  program.ccall('mg_sim_start', null, [], []);
  return program;
}).catch((error) => stop('could not start', error));
simulated.catch(() => {});

// A promise of what the runner printed for `lines`.
window.minigamesSim = (lines) => simulated.then((program) => {
  try {
    const printed = program.ccall('mg_sim_run', 'string', ['string'], [lines]);
    twins.sync();
    return printed;
  } catch (error) {
    return stop('stopped', error);
  }
});
