// Installed in the running player's page by the tests of engines without virtual time of their
// own, and by the phone test (Chromium with its virtual time held still now and then never
// answers a touch sent through ChromeDriver): the page's clock stands still from then on and
// moves only when a step moves it, each move waiting until the program has caught up. It also
// collects what the page writes to its console as errors or warnings, and carries out the page's
// side of engines_scenario.json.
window.mgTest = (() => {
  let now = performance.now();
  performance.now = () => now;

  const complaints = [];
  for (const level of ['error', 'warn']) {
    const write = console[level].bind(console);
    console[level] = (...args) => {
      complaints.push(args.map(String).join(' '));
      write(...args);
    };
  }
  window.addEventListener('error', (event) => complaints.push(String(event.message)));

  // Asleep with nothing to take and nothing due by now, or every window closed; every box closed
  // heard of (a dialog tells in an event of its own) and the windows arranged (in a frame).
  const caughtUp = () => !document.getElementById('ended').hidden ||
    (MG.wakeUp !== null && MG.inputs.length === 0 && (MG.dueAt < 0 || MG.dueAt > now) &&
     MG.boxes.length === document.querySelectorAll('dialog[open]').length && !MG.arrangeFrame);
  // A message is a task of its own, without the wait a timer set inside a timer takes.
  const channel = new MessageChannel();
  const aTurn = () => new Promise((resolve) => {
    channel.port1.onmessage = resolve;
    channel.port2.postMessage(0);
  });
  const aFrame = () => new Promise((resolve) => requestAnimationFrame(resolve));
  async function settle() {
    for (let turns = 0; !caughtUp(); ++turns) {
      if (turns > 1000) throw new Error(`the program has not caught up with ${now} ms`);
      await (MG.arrangeFrame ? aFrame() : aTurn());
    }
  }
  async function advance(ms) {
    for (const end = now + ms; now < end;) {
      now = Math.min(end, now + 10);
      MG.wake();
      await settle();
    }
  }
  // "Form1.seimes": a widget; "Form3": a window.
  const find = (where) => {
    const [form, name] = where.split('.');
    const widget = name ? ` [data-widget="${name}"]` : '';
    return document.querySelector(`[data-form="${form}"]${widget}`);
  };
  const left = (where) => parseFloat(getComputedStyle(find(where)).left);
  const queries = {
    text: (where) => find(where).textContent,
    shown: (where) => (find(where)?.getClientRects().length ?? 0) > 0,
    past: (where, px) => left(where) > px,
    boxes: () => Array.from(document.querySelectorAll('dialog[open]'),
      (box) => [box.closest('[data-form]').dataset.form, box.querySelector('p').textContent]),
    complaints: () => complaints,
  };
  const steps = {
    settle,
    advance,
    async advanceUntilPast(where, px, ms) {
      for (const end = now + ms; !queries.past(where, px); await advance(10)) {
        if (now >= end) throw new Error(`${where} is not past ${px} px after ${ms} ms`);
      }
    },
    expect([query, ...args], allowed) {
      const got = JSON.stringify(queries[query](...args));
      if (!allowed.some((value) => JSON.stringify(value) === got)) {
        throw new Error(`${query} ${args.join(' ')} gave ${got}, ` +
          `not one of ${JSON.stringify(allowed)}`);
      }
    },
  };
  return { step: ([name, ...args]) => steps[name](...args) };
})();
