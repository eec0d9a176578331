// Installed in the running player's page by its tests and tools: holds the page's clock
// (window.minigamesTest, the page's test interface), collects what the page writes to its console
// as errors or warnings, and carries out the page's own steps of page_steps.json. Every engine's
// test drives the page's time this one way.
window.mgTest = (() => {
  const page = window.minigamesTest;
  page.holdClock();

  const complaints = [];
  for (const level of ['error', 'warn']) {
    const write = console[level].bind(console);
    console[level] = (...args) => {
      complaints.push(args.map(String).join(' '));
      write(...args);
    };
  }
  window.addEventListener('error', (event) => complaints.push(String(event.message)));

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
    settle: page.settle,
    advance: page.advance,
    async advanceUntilPast(where, px, ms) {
      for (let waited = 0; !queries.past(where, px); waited += 10) {
        if (waited >= ms) throw new Error(`${where} is not past ${px} px after ${ms} ms`);
        await page.advance(10);
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
