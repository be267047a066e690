// The standings page of mrezovnik-rank, opened from disk: one row per contestant, sorting by
// any column, a heat map cell that names its file and block, the changes since an earlier run,
// and the language switch. The contest is generated (tests/support/rank_files.pl) and ranked by
// the native program.
//
// Environment (beside helpers.mjs's): MREZOVNIK_RANK (the native mrezovnik-rank),
// STANDINGS_SCREENSHOT (where a screenshot of the standings with a chosen cell goes; none when
// unset).
import {test} from 'node:test';
import {execFileSync} from 'node:child_process';
import {mkdtempSync, readFileSync, rmSync, unlinkSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join, resolve} from 'node:path';
import {pathToFileURL} from 'node:url';
import {check, launch, root, workDir} from './helpers.mjs';

const rank = resolve(process.env.MREZOVNIK_RANK ?? join(root, 'build/release/standings/mrezovnik-rank'));

/** The records of a CSV file that holds no quoted field, without its header. */
function csvRecords(path) {
  return readFileSync(path, 'utf8').trimEnd().split(/\r?\n/).slice(1).map((line) => line.split(','));
}

/**
 * A generated contest ranked twice: without two of its files, then with all of them, compared
 * with the first run; the second run's folder.
 */
function rankedContest() {
  const dir = workDir('standings');
  execFileSync('perl', [join(root, 'tests/support/rank_files.pl'), '3', dir]);
  const held = [join(dir, 'subs/000109-12.txt'), join(dir, 'subs/000101-04.txt')];
  const kept = held.map((path) => readFileSync(path));
  held.forEach((path) => unlinkSync(path));
  const run = (out, extra) => execFileSync(rank, ['input.txt', 'subs', '--out', out, '--better',
                                                  'higher', ...extra], {cwd: dir});
  run('earlier', []);
  held.forEach((path, k) => writeFileSync(path, kept[k]));
  run('now', ['--compare', 'earlier']);
  return join(dir, 'now');
}

/** What the standings table shows: each row's contestant and score, and the sorted column. */
async function shownRows(tab) {
  return tab.evaluate(() => ({
    rows: [...document.querySelectorAll('#standings tbody tr')].map((row) => ({
      contestant: row.children[1].textContent, score: Number(row.children[4].textContent.replace(',', '.')),
    })),
    sorted: [...document.querySelectorAll('#standings th[aria-sort]')].map((cell) =>
      cell.dataset.column + ' ' + cell.getAttribute('aria-sort')).join(),
  }));
}

/** Whether numbers are in order, ascending or descending. */
function ordered(values, descending) {
  return values.every((value, k) => k === 0 || (descending ? values[k - 1] >= value : values[k - 1] <= value));
}

async function testStandingsPage(t, tab, out) {
  const standings = csvRecords(join(out, 'standings.csv'));
  const results = csvRecords(join(out, 'results.csv'));
  const data = JSON.parse(readFileSync(join(out, 'standings.json'), 'utf8'));
  const contestants = new Set(results.map((record) => record[1]));
  let shown = await shownRows(tab);
  await check(t, shown.rows.length === contestants.size && standings.length === contestants.size,
              'one row per contestant: ' + shown.rows.length + ' rows, ' + contestants.size + ' contestants');
  await check(t, shown.rows.map((row) => row.contestant).join() ===
              standings.map((record) => record[1]).join() && shown.sorted === 'rank ascending',
              'the rows in the order of standings.csv, by rank');

  await tab.click('#standings th[data-column="contestant"]');
  shown = await shownRows(tab);
  const names = shown.rows.map((row) => row.contestant);
  await check(t, names.join() === [...names].sort().join() && shown.sorted === 'contestant ascending',
              'a click on a heading sorts by that column');
  await tab.click('#standings th[data-column="score"]');
  shown = await shownRows(tab);
  await check(t, ordered(shown.rows.map((row) => row.score), true) && shown.sorted === 'score descending',
              'the score column sorts the highest first');
  await tab.click('#standings th[data-column="score"]');
  shown = await shownRows(tab);
  await check(t, ordered(shown.rows.map((row) => row.score), false) && shown.sorted === 'score ascending',
              'a second click sorts the other way');
  const column = await tab.evaluate(() => {
    document.querySelector('#standings th[data-column="test-1"]').click();
    return [...document.querySelectorAll('#standings tbody tr')].map((row) =>
      row.querySelector('td.heat').title);
  });
  await check(t, ordered(column.map((title) => Number(title.split(': ')[1])), true),
              'a test case\'s column sorts by its fraction: ' + column.join(' / '));

  // The best contestant's first test case that it answers: its file and block.
  await tab.click('#standings th[data-column="rank"]');
  const best = data.standings[0];
  const result = data.results[best.result];
  const t1 = result.counts.findIndex((count) => count !== null) + 1;
  await tab.click(`#standings tbody tr:first-child td.heat[data-test-case="${t1}"]`);
  const detail = await tab.textContent('#cell-detail');
  await check(t, detail === best.contestant + ', test case ' + t1 + ': fraction ' +
              best.fractions[t1 - 1] + ', count ' + result.counts[t1 - 1] + ' (best ' +
              data.best[t1 - 1] + '), from block ' + result.blocks[t1 - 1] + ' of ' + result.file,
              'a heat map cell names its file and block: ' + detail);
  if (process.env.STANDINGS_SCREENSHOT) {
    await tab.locator('#standings-section').screenshot({path: process.env.STANDINGS_SCREENSHOT});
  }
  const refused = data.standings.findIndex((row) => data.results[row.result].verdict === 'refused');
  if (refused >= 0) {
    await tab.click(`#standings tbody tr:nth-child(${refused + 1}) td.heat[data-test-case="1"]`);
    const why = await tab.textContent('#cell-detail');
    const file = data.results[data.standings[refused].result];
    await check(t, why.includes('was refused (check ' + file.check + '):\n' + file.message),
                'a refused file\'s cell gives its check and message: ' + why);
  }
  const changes = csvRecords(join(out, 'changes.csv'));
  const listed = await tab.evaluate(() => [...document.querySelectorAll('#changes tbody tr')].map(
      (row) => row.children[1].textContent + ' ' + row.children[3].textContent + '>' +
          row.children[4].textContent));
  await check(t, changes.length > 0 && listed.join() ===
              changes.map((record) => record[1] + ' ' + record[3] + '>' + record[4]).join(),
              'the changes since the earlier run, as changes.csv lists them: ' + listed.length);
}

async function testLanguage(t, tab) {
  const spoken = () => tab.evaluate(() => ({
    lang: document.documentElement.lang,
    title: document.querySelector('h1').textContent,
    heading: document.querySelector('#standings th[data-column="score"]').textContent,
    detail: document.getElementById('cell-detail').textContent,
  }));
  await tab.selectOption('#language', 'sl');
  const slovenian = await spoken();
  await check(t, slovenian.lang === 'sl' && slovenian.title === 'Mrezovje: lestvica' &&
              slovenian.heading.startsWith('točke') && slovenian.detail.includes('testni primer'),
              'the switch turns the page into Slovenian: ' + JSON.stringify(slovenian));
  await tab.reload();
  await check(t, (await spoken()).lang === 'sl', 'the choice holds across a reload');
  await tab.selectOption('#language', 'en');
  await check(t, (await spoken()).title === 'Mrezovje standings', 'and back to English');
}

test('the standings page: rows, sorting, the heat map, the changes and the languages', async (t) => {
  const out = rankedContest();
  const profile = mkdtempSync(join(tmpdir(), 'standings-profile-'));
  const browser = await launch(profile);
  try {
    const tab = browser.pages()[0] ?? await browser.newPage();
    const errors = [];
    const requests = [];
    tab.on('pageerror', (error) => errors.push(error.message));
    tab.on('request', (request) => requests.push(request.url()));
    const url = pathToFileURL(join(out, 'standings.html')).href;
    await tab.goto(url);
    await testStandingsPage(t, tab, out);
    await testLanguage(t, tab);
    await check(t, errors.length === 0, 'no page errors: ' + errors.join(' / '));
    await check(t, requests.every((request) => request === url),
                'nothing is fetched but the page: ' + requests.join(' '));
  } finally {
    await browser.close();
    rmSync(profile, {recursive: true, force: true});
  }
});
