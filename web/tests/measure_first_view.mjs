// Measures the first view of full-size cases on two builds of the page side by side: each
// round opens each page fresh, gives it the same files and reads its timings.firstView,
// alternating the pages, so that both meet the same load of the machine. Not a test: its
// figures go into the notes on the viewer's speed.
//
//   node tests/measure_first_view.mjs OLD_PAGE NEW_PAGE CASE_DIR... [--rounds N]
// Each CASE_DIR holds input.txt and submission.txt (tools/bench.sh's generator).
import {mkdtempSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join, resolve} from 'node:path';
import {pathToFileURL} from 'node:url';
import {finished, launch, pick} from './helpers.mjs';

const args = process.argv.slice(2);
const roundsAt = args.indexOf('--rounds');
const rounds = roundsAt >= 0 ? Number(args.splice(roundsAt, 2)[1]) : 5;
const [oldPage, newPage, ...cases] = args.map((path) => resolve(path));

/** The median of numbers. */
const median = (numbers) => [...numbers].sort((a, b) => a - b)[Math.floor(numbers.length / 2)];

/** One first view of a case on a freshly opened page, in ms from the files being given. */
async function firstView(browser, pagePath, dir) {
  const tab = await browser.newPage();
  try {
    await tab.goto(pathToFileURL(pagePath).href);
    // As a reader would: the page has been open a moment before the files are picked.
    await tab.waitForTimeout(1500);
    const shown = await finished(tab, () => pick(tab, join(dir, 'input.txt'),
                                                 join(dir, 'submission.txt')), 120000);
    return shown.timings.firstView;
  } finally {
    await tab.close();
  }
}

const profile = mkdtempSync(join(tmpdir(), 'viewer-measure-'));
const browser = await launch(profile);
try {
  for (const dir of cases) {
    const times = {old: [], new: []};
    for (let round = 0; round < rounds; ++round) {
      const order = round % 2 ? ['new', 'old'] : ['old', 'new'];
      for (const which of order) {
        times[which].push(await firstView(browser, which === 'old' ? oldPage : newPage, dir));
      }
    }
    const [before, after] = [median(times.old), median(times.new)];
    console.log(dir + ': first view, median of ' + rounds + ': before ' + Math.round(before) +
                ' ms, after ' + Math.round(after) + ' ms, ratio ' + (after / before).toFixed(2) +
                ' (before ' + times.old.map(Math.round).join(', ') + '; after ' +
                times.new.map(Math.round).join(', ') + ')');
  }
} finally {
  await browser.close();
  rmSync(profile, {recursive: true, force: true});
}
