// The pictures: the same SVG drawings as on the desktop, drawn in the page so that their text is
// in the page's own face. The program defines each picture once, from a drawing of the table the
// page holds, and the page shows copies of it.

// The text of each drawing by its name ("swim/pool"), unpacked before the program starts.
let drawings = {};
const pictures = [];
// Pictures shown without having been defined, each reported once.
const missing = new Set();

export function setDrawings(table) {
  drawings = table;
}

export function drawing(name) {
  return drawings[name] || '';
}

export function define(id, svg) {
  if (pictures[id]) return;
  const template = document.createElement('template');
  template.innerHTML = svg.replace(/^<\?xml[^>]*>\s*/, '');
  const drawn = template.content.firstElementChild;
  if (drawn) pictures[id] = { template: drawn, copies: 0 };
}

// Names inside a drawing get a prefix of their own in each copy, so that two copies on the page
// never take each other's gradients.
function renameWithin(copy, prefix) {
  const named = copy.querySelectorAll('[id]');
  if (named.length === 0) return;
  const renames = new Map();
  named.forEach((element) => {
    renames.set(element.id, prefix + element.id);
    element.id = prefix + element.id;
  });
  copy.querySelectorAll('*').forEach((element) => {
    for (const attribute of Array.from(element.attributes)) {
      const value = attribute.value.replace(/url\(#([^)]+)\)/g, (all, name) =>
        renames.has(name) ? 'url(#' + renames.get(name) + ')' : all);
      const renamed = value.startsWith('#') && renames.has(value.slice(1)) ?
        '#' + renames.get(value.slice(1)) : value;
      if (renamed !== attribute.value) attribute.value = renamed;
    }
  });
}

// A copy of a picture for one place on the page, or null for a picture never defined, which
// shows nothing.
function copyOf(id) {
  const picture = pictures[id];
  if (!picture) {
    if (!missing.has(id)) {
      missing.add(id);
      console.error('minigames: picture ' + id + ' has no drawing; nothing is drawn for it');
    }
    return null;
  }
  const copy = picture.template.cloneNode(true);
  renameWithin(copy, 'p' + id + 'c' + ++picture.copies + '-');
  copy.setAttribute('aria-hidden', 'true');
  copy.setAttribute('focusable', 'false');
  return copy;
}

// Shows picture `id` in `element`, or nothing for -1.
export function show(element, id) {
  const copy = id >= 0 ? copyOf(id) : null;
  if (copy) {
    element.replaceChildren(copy);
  } else {
    element.replaceChildren();
  }
}
