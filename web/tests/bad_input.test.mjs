// Files that are not a valid task: the page gives the native reports and does not hang.
import {test} from 'node:test';
import {writeFileSync} from 'node:fs';
import {join} from 'node:path';
import {ShownReportBytes, check, finished, nativeRun, pick, root, sha256,
        workDir, withViewer} from './helpers.mjs';

/** Files that are not a valid task: the same report as native, and the page does not hang. */
async function testBadInput(t, tab) {
  const dir = workDir('bad');
  const binary = Buffer.alloc(1 << 20);
  for (let k = 0; k < binary.length; ++k) binary[k] = (k * 2654435761 >>> 13) & 255;
  writeFileSync(join(dir, 'binary.txt'), binary);
  writeFileSync(join(dir, 'empty.txt'), '');
  writeFileSync(join(dir, 'huge-line.txt'), '000001\nMrezovje\n1\n' + '#'.repeat(30 << 20) + '\n');
  writeFileSync(join(dir, 'huge-header.txt'), '000001\nMrezovje\n' + 'x'.repeat(30 << 20) + '\n');
  writeFileSync(join(dir, 'many-blocks.txt'), '000001\nMrezovje\n' + '2\n#.\n.R\n'.repeat(300000));
  const input = join(root, 'examples/input.txt');
  const pairs = [['binary input', join(dir, 'binary.txt'), input],
                 ['binary submission', input, join(dir, 'binary.txt')],
                 ['empty input', join(dir, 'empty.txt'), input],
                 ['empty submission', input, join(dir, 'empty.txt')],
                 ['a 30 MB row', input, join(dir, 'huge-line.txt')],
                 ['a 30 MB header quoted in the report', input, join(dir, 'huge-header.txt')],
                 ['300000 accepted blocks', input, join(dir, 'many-blocks.txt')]];
  for (const [what, inputPath, submissionPath] of pairs) {
    const shown = await finished(tab, () => pick(tab, inputPath, submissionPath));
    const expected = nativeRun(inputPath, submissionPath);
    const whole = expected.report.length <= ShownReportBytes;
    await check(t, shown.state !== 'failed' && shown.report === expected.report.slice(0, ShownReportBytes),
          what + ': the report equals the native one' + (whole ? '' : ' (its first MB shown)'));
    if (!whole) await check(t, /download it/.test(shown.note), what + ': the page offers the whole report');
    await check(t, shown.listed <= 10002, what + ': the block list stays short (' + shown.listed + ' lines)');
    const stopShown = await tab.evaluate(() => document.querySelector('#blocks li.stop')?.textContent ?? '');
    await check(t, stopShown.length <= 5000, what + ': the stop shows at most its message\'s start (' +
          stopShown.length + ' characters)');
    await check(t, shown.downloadSha256 === sha256(expected.report), what + ': its download is the native report');
  }
}

test('bad input: the native reports, short lists, whole downloads', async (t) => {
  await withViewer(t, async (viewer) => {
    await testBadInput(t, viewer.tab);
  });
});
