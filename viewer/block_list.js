// The viewer's block list: one line per kept block of the submission with its own verdict
// (its near-pair count, or its number of faults), a line for each run of blocks left out,
// the block that the report names marked, and where and why a fault stopped the reading.
// Each function takes the page's viewer object (see viewer.js).
'use strict';

/* global $, chooseBlock */

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
  if (record.headerLine === viewer.refusedAt) {
    item.classList.add('named');
    const badge = document.createElement('span');
    badge.className = 'badge';
    badge.textContent = viewer.texts.namedInReport;
    item.appendChild(badge);
  }
  if (viewer.block && viewer.block.index === record.index) item.classList.add('chosen');
  item.onclick = () => chooseBlock(viewer, record.index);
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
  item.textContent = where + '\n' + stop.message + '\n' +
      (stop.line > 0 || viewer.blocks.length > 0 ? texts.restNotRead : texts.inputNotRead);
  return item;
}

/** Adds the lines of newly judged blocks to the list, after those listed before. */
function appendBlocks(viewer, records) {
  const fragment = document.createDocumentFragment();
  for (const record of records) {
    const previous = viewer.blocks[viewer.blocks.length - 1];
    const gap = record.position - (previous ? previous.position : 0) - 1;
    if (gap > 0) fragment.appendChild(gapItem(viewer, gap));
    viewer.blocks.push(record);
    fragment.appendChild(blockItem(viewer, record));
  }
  $('blocks').appendChild(fragment);
}

/** Lists every kept block again, and the stop, in the page's language. */
function renderBlockList(viewer) {
  const records = viewer.blocks;
  viewer.blocks = [];
  $('blocks').textContent = '';
  appendBlocks(viewer, records);
  if (viewer.stop) $('blocks').appendChild(stopItem(viewer, viewer.stop));
  renderRefusedCount(viewer);
}

/** Shows the stop at the end of the list. */
function showStop(viewer, stop) {
  viewer.stop = stop;
  $('blocks').appendChild(stopItem(viewer, stop));
}

/** Shows how many of the judged blocks are refused. */
function renderRefusedCount(viewer) {
  $('refused-count').textContent = viewer.judged ?
      '(' + viewer.texts.refusedOfJudged(viewer.refused, viewer.judged) + ')' : '';
}

/** The list item of kept block `index`, if it is listed. */
function blockListItem(index) {
  return $('blocks').querySelector('li[data-index="' + index + '"]');
}

/** Marks the block that the report names, once the report has come. */
function markNamedBlock(viewer) {
  const record = viewer.blocks.find((block) => block.headerLine === viewer.refusedAt);
  const item = record && blockListItem(record.index);
  if (item) item.replaceWith(blockItem(viewer, record));
}

/** Marks one block of the list as the one shown. */
function markChosenBlock(index) {
  for (const item of $('blocks').querySelectorAll('li.chosen')) item.classList.remove('chosen');
  const item = blockListItem(index);
  if (!item) return;
  item.classList.add('chosen');
  item.scrollIntoView({block: 'nearest'});
}
