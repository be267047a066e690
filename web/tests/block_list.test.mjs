// The block list: every block judged with the native diagnosis's verdict, the block that the
// report names, the stop, the refused filter, and a chosen block's faults.
import {test} from 'node:test';
import {execFileSync} from 'node:child_process';
import {readFileSync, writeFileSync} from 'node:fs';
import {join} from 'node:path';
import {check, finished, genCases, nativeDiagnosis, pageDiagnosis, pick,
        verdictDifference, workDir, withViewer} from './helpers.mjs';

/**
 * A submission of refused blocks, then accepted ones, then a row too short: every block
 * judged with its own verdict, the refused filter, the stop after the blocks before it, and a
 * block whose faults pass the 1000 listed.
 */
async function testEveryBlockJudged(t, tab) {
  const dir = workDir('mixed');
  for (const variant of ['refuse-all', 'ok']) {
    execFileSync(genCases, ['--out', join(dir, variant), '--tests', '6', '--n', '60',
                            '--variant', variant]);
  }
  const input = join(dir, 'ok', 'input.txt');
  const accepted = readFileSync(join(dir, 'ok', 'submission.txt'), 'latin1');
  const text = readFileSync(join(dir, 'refuse-all', 'submission.txt'), 'latin1') +
      accepted.split('\n').slice(2).join('\n') + '1\n' + '.'.repeat(59) + '\n';
  const submission = join(dir, 'mixed.txt');
  writeFileSync(submission, text, 'latin1');
  const shown = await finished(tab, () => pick(tab, input, submission));
  const expected = nativeDiagnosis(input, submission);
  const {blocks, stop} = await pageDiagnosis(tab);
  const difference = verdictDifference(blocks, expected);
  await check(t, !difference, 'all ' + expected.blocks.length + ' blocks judged, each with the native ' +
        'diagnosis\'s verdict' + (difference ? ': ' + difference : ''));
  const named = await tab.$$eval('#blocks li.named', (items) => items.map((item) => item.dataset.index));
  await check(t, named.join() === '0' && shown.report.includes('zacne v ' + expected.blocks[0].line + '. vrstici'),
        'the block that the report names is marked, and it alone');
  const stopLine = text.split('\n').length - 1;
  const stopText = await tab.textContent('#blocks li:last-child');
  await check(t, stop?.check === expected.stop.check && stopText.includes(expected.stop.message) &&
        stopText.includes('line ' + stopLine + ' of the submission') &&
        stopText.includes('does not read the rest'), 'the stop follows the blocks before it, with ' +
        'its line, check and message: ' + stopText.split('\n').join(' / '));
  const visible = () => tab.$$eval('#blocks li', (items) => items.filter((item) => item.offsetParent)
      .map((item) => item.className.split(' ')[0]));
  await tab.check('#only-refused');
  const filtered = await visible();
  const refused = expected.blocks.filter((block) => block.verdict === 'refused').length;
  await check(t, filtered.filter((kind) => kind === 'refused').length === refused &&
        !filtered.includes('accepted'), 'the filter lists the ' + refused + ' refused blocks alone');
  await tab.uncheck('#only-refused');
  await check(t, (await visible()).length === expected.blocks.length + 1, 'without it, every block again');
  const many = expected.blocks.findIndex((block) => block.cellsLeftOut > 0);
  await tab.click('#blocks li[data-index="' + many + '"]');
  await tab.waitForFunction((index) => window.mrezovnikViewer.block.index === index, many);
  const note = await tab.textContent('#faults li.more');
  await check(t, await tab.locator('#faults li.fault').count() === 1000 &&
        note.startsWith(expected.blocks[many].cellsLeftOut + ' more faults left out'),
        'a chosen block lists its first 1000 faults: ' + note);
}

test('every block judged, as the native diagnosis judges it', async (t) => {
  await withViewer(t, async (viewer) => {
    await testEveryBlockJudged(t, viewer.tab);
  });
});
