// The bundled examples, through the page's example buttons, from disk and from a static
// server: the reports equal the native program's.
import {test} from 'node:test';
import {join} from 'node:path';
import {check, finished, nativeRun, root, serveStatic, withViewer} from './helpers.mjs';

/** The bundled examples, through the page's example buttons. */
async function testExamples(t, tab) {
  for (const [button, file] of [['accepted', 'submission-accepted.txt'],
                                ['refused', 'submission-rejected.txt']]) {
    const shown = await finished(tab, () => tab.click('#example-' + button));
    const expected = nativeRun(join(root, 'examples/input.txt'), join(root, 'examples', file));
    await check(t, shown.report === expected.report, 'example ' + button + ': the report equals the native one');
    await check(t, shown.exitCode === String(expected.exitCode), 'example ' + button + ': the exit code');
  }
}
/** The same page from a static server: the examples give the native reports there too. */
async function testServed(t, browser) {
  const {server, url} = await serveStatic();
  const tab = await browser.newPage();
  try {
    await tab.goto(url);
    const shown = await finished(tab, () => tab.click('#example-refused'));
    const expected = nativeRun(join(root, 'examples/input.txt'),
                               join(root, 'examples/submission-rejected.txt'));
    await check(t, shown.report === expected.report, 'served over http: the report equals the native one');
  } finally {
    await tab.close();
    server.close();
  }
}

test('the examples give the native reports, from disk and served over http', async (t) => {
  await withViewer(t, async (viewer) => {
    await testExamples(t, viewer.tab);
    await testServed(t, viewer.browser);
  });
});
