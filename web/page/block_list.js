// The viewer's block list: one line per kept block of the submission with its own verdict
// (its near-pair count, or its number of faults), a line for each run of blocks left out,
// the block that the report names marked, and where and why a fault stopped the reading.
// Each function takes the page's viewer object (see viewer.js) and lists the shown submission;
// a click on a block calls the viewer's chooseBlock.
import {$} from './dom.js';
import {shownSubmission} from './run_state.js';

/** The text of one block's line. */
function blockText(texts, record) {
  const verdict = record.faultTotal > 0 ? texts.refusedFaults(record.faultTotal) :
      texts.nearPairs(record.nearPairs);
  return texts.block(record.position, record.headerLine, record.testCase) + ', ' + verdict;
}

/** A block's list item: its verdict, and the badge of the block that the report names. */
function blockItem(viewer, record) {
  const item = document.createElement('li');
  item.className = record.faultTotal > 0 ? 'refused' : 'accepted';
  item.dataset.index = record.index;
  item.textContent = blockText(viewer.texts, record);
  if (record.headerLine === shownSubmission(viewer.run).refusedAt) {
    item.classList.add('named');
    const badge = document.createElement('span');
    badge.className = 'badge';
    badge.textContent = viewer.texts.namedInReport;
    item.appendChild(badge);
  }
  const block = viewer.run.block;
  if (block && block.submission === viewer.run.current && block.index === record.index) {
    item.classList.add('chosen');
  }
  item.onclick = () => viewer.chooseBlock(viewer.run.current, record.index);
  return item;
}

/** The item that tells how many blocks between two listed ones are left out. */
function gapItem(viewer, count) {
  const item = document.createElement('li');
  item.className = 'gap';
  item.textContent = viewer.texts.notListed(count);
  return item;
}

/** The item that tells where and why a fault stopped the reading. */
function stopItem(viewer, stop) {
  const texts = viewer.texts;
  const item = document.createElement('li');
  item.className = 'stop';
  const where = stop.check === 0 ? texts.stopUnexpected : stop.line > 0 ?
      texts.stopInSubmission(stop.line, stop.check) : texts.stopInInput(stop.check);
  const leftOut = stop.messageLeftOut > 0 ? '\u2026\n' + texts.messageGoesOn(stop.messageLeftOut) : '';
  item.textContent = where + '\n' + stop.message + leftOut + '\n' +
      (stop.line > 0 || shownSubmission(viewer.run).blocks.length > 0 ? texts.restNotRead : texts.inputNotRead);
  return item;
}

/**
 * Lists blocks of the shown submission after those listed before: its kept blocks from
 * `from` on, each after the line of the blocks left out before it.
 */
export function appendBlocks(viewer, from) {
  const blocks = shownSubmission(viewer.run).blocks;
  const fragment = document.createDocumentFragment();
  for (let k = from; k < blocks.length; ++k) {
    const record = blocks[k];
    const gap = record.position - (k > 0 ? blocks[k - 1].position : 0) - 1;
    if (gap > 0) fragment.appendChild(gapItem(viewer, gap));
    fragment.appendChild(blockItem(viewer, record));
  }
  $('blocks').appendChild(fragment);
}

/** Lists every kept block of the shown submission again, and the stop, in the page's language. */
export function renderBlockList(viewer) {
  const submission = shownSubmission(viewer.run);
  $('blocks').textContent = '';
  appendBlocks(viewer, 0);
  if (submission.stop) $('blocks').appendChild(stopItem(viewer, submission.stop));
  renderRefusedCount(viewer);
}

/** Shows the shown submission's stop at the end of the list. */
export function showStop(viewer) {
  $('blocks').appendChild(stopItem(viewer, shownSubmission(viewer.run).stop));
}

/** Shows how many of the shown submission's judged blocks are refused. */
export function renderRefusedCount(viewer) {
  const {judged, refused} = shownSubmission(viewer.run);
  $('refused-count').textContent = judged ?
      '(' + viewer.texts.refusedOfJudged(refused, judged) + ')' : '';
}

/** The list item of kept block `index`, if it is listed. */
function blockListItem(index) {
  return $('blocks').querySelector('li[data-index="' + index + '"]');
}

/** Marks the block that the shown submission's report names, once the report has come. */
export function markNamedBlock(viewer) {
  const submission = shownSubmission(viewer.run);
  const record = submission.blocks.find((block) => block.headerLine === submission.refusedAt);
  const item = record && blockListItem(record.index);
  if (item) item.replaceWith(blockItem(viewer, record));
}

/** Marks one block of the list as the one shown. */
export function markChosenBlock(index) {
  for (const item of $('blocks').querySelectorAll('li.chosen')) item.classList.remove('chosen');
  const item = blockListItem(index);
  if (!item) return;
  item.classList.add('chosen');
  item.scrollIntoView({block: 'nearest'});
}
