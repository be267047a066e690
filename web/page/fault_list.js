// The viewer's fault list: the shown block's faults with their kinds and the evaluator's
// messages, how many more were left out, and the selected fault, which the canvas centres and
// outlines. A click selects a fault (the viewer's selectFault); n or j and p or k step to the
// next and previous one, and so do the arrow keys while the list has the focus. Each function
// takes the page's viewer object (see viewer.js).
import {$} from './dom.js';
import {FaultMarks} from './fault_kinds.js';

/** One fault's list item: the kind's glyph in its colour, the kind's name, the message. */
function faultItem(viewer, fault, f) {
  const item = document.createElement('li');
  item.className = 'fault';
  item.dataset.fault = f;
  const glyph = document.createElement('span');
  glyph.className = 'glyph';
  glyph.textContent = FaultMarks[fault.kind].glyph;
  glyph.style.color = FaultMarks[fault.kind].colour;
  const kind = document.createElement('span');
  kind.className = 'kind';
  kind.textContent = viewer.texts.faultKinds[fault.kind] + ':';
  item.append(glyph, kind, fault.message);
  item.onclick = () => viewer.selectFault(f);
  return item;
}

/** Lists the shown block's faults in the page's language. */
export function renderFaults(viewer) {
  const list = $('faults');
  list.textContent = '';
  // A new list starts at its top, where its first fault is in sight without a scroll. Set
  // while the list is empty, so that no layout of the new items is forced.
  list.scrollTop = 0;
  const block = viewer.run.block;
  if (!block) return;
  const texts = viewer.texts;
  const fragment = document.createDocumentFragment();
  block.faults.forEach((fault, f) => fragment.appendChild(faultItem(viewer, fault, f)));
  const leftOut = block.record.faultTotal - block.faults.length;
  if (block.faults.length === 0 || leftOut > 0) {
    const note = document.createElement('li');
    note.className = 'more';
    note.textContent = block.faults.length === 0 ? texts.blockAccepted :
        texts.faultsLeftOut(leftOut, block.faults.length);
    fragment.appendChild(note);
  }
  list.appendChild(fragment);
  markSelectedFault(viewer, block.selected > 0);
}

/** Marks the selected fault in the list and, unless asked not to, keeps it in sight. */
export function markSelectedFault(viewer, scroll = true) {
  const list = $('faults');
  for (const item of list.querySelectorAll('li.chosen')) item.classList.remove('chosen');
  const item = list.querySelector('li[data-fault="' + viewer.run.block.selected + '"]');
  if (!item) return;
  item.classList.add('chosen');
  if (scroll) item.scrollIntoView({block: 'nearest'});
}

/**
 * The step through the faults that a key asks for: 1 to the next, -1 to the previous, or
 * undefined when the key is none of the fault keys.
 */
export function faultStep(event) {
  const steps = {n: 1, j: 1, p: -1, k: -1};
  const inList = event.target === $('faults');
  return steps[event.key] ?? (inList ? {ArrowDown: 1, ArrowUp: -1}[event.key] : undefined);
}
