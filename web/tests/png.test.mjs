// Saving the shown view as a PNG file: named after the submission and the test case, it
// opens as an image that holds the canvas as shown, and the legend with every fault mark.
import {test} from 'node:test';
import {readFileSync} from 'node:fs';
import {join} from 'node:path';
import {EveryKind, check, checkNoErrors, finished, openViewer, pageFaultKinds, pick,
        workDir} from './helpers.mjs';

/** The PNG signature. */
const Signature = [0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a];

test('the shown view saved as a PNG file', async (t) => {
  const dir = workDir('png');
  const viewer = await openViewer();
  const tab = viewer.tab;
  try {
    await finished(tab, () => pick(tab, join(EveryKind, 'input.txt'), join(EveryKind, 'submission.txt')));
    await tab.click('#faults li.fault >> nth=2');
    const markColours = Object.fromEntries((await pageFaultKinds(tab)).map(({kind, rgb}) => [kind, rgb]));
    const [download] = await Promise.all([tab.waitForEvent('download'), tab.click('#save-png')]);
    const path = join(dir, download.suggestedFilename());
    await download.saveAs(path);
    const bytes = readFileSync(path);
    await check(t, download.suggestedFilename() === 'submission-test-case-1.png',
                'the file is named after the submission and the test case: ' +
                download.suggestedFilename());
    await check(t, Signature.every((byte, k) => bytes[k] === byte), 'the file is a PNG');
    const seen = await tab.evaluate(async ([base64, markColours]) => {
      const image = new Image();
      image.src = 'data:image/png;base64,' + base64;
      await image.decode();
      const canvas = document.createElement('canvas');
      canvas.width = image.width;
      canvas.height = image.height;
      const context = canvas.getContext('2d');
      context.drawImage(image, 0, 0);
      const grid = document.getElementById('grid');
      const shown = grid.getContext('2d').getImageData(0, 0, grid.width, grid.height).data;
      // The title's height above the grid (png.js).
      const saved = context.getImageData(0, 28, grid.width, grid.height).data;
      let same = 0;
      for (let k = 0; k < shown.length; k += 4) {
        same += shown[k] === saved[k] && shown[k + 1] === saved[k + 1] && shown[k + 2] === saved[k + 2];
      }
      const legend = context.getImageData(0, 28 + grid.height, image.width, image.height - 28 - grid.height).data;
      const marks = Object.entries(markColours).filter(([, colour]) => {
        for (let k = 0; k < legend.length; k += 4) {
          if (legend[k] === colour[0] && legend[k + 1] === colour[1] && legend[k + 2] === colour[2]) return true;
        }
        return false;
      }).map(([kind]) => kind);
      return {width: image.width, height: image.height, same: same / (shown.length / 4), marks};
    }, [bytes.toString('base64'), markColours]);
    await check(t, seen.width === 720 && seen.height > 720 + 28 && seen.same > 0.999,
                'it opens, and shows the canvas as it is on the page (' +
                (seen.same * 100).toFixed(2) + '% of its pixels the same, ' + seen.width + ' by ' +
                seen.height + ')');
    await check(t, seen.marks.length === Object.keys(markColours).length,
                'its legend shows every fault kind\'s mark: ' + seen.marks.join(', '));
    await checkNoErrors(t, viewer.errors);
  } finally {
    await viewer.close();
  }
});
