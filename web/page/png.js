// Saves the shown view as a PNG file: the grid canvas as it is, with its marks and outlines,
// a title naming the submission and the test case, and the legend of colours and fault marks
// below it. The file is named after the submission and the test case.
import {$} from './dom.js';
import {CanvasSize, Colours, drawLegendMark} from './grid_canvas.js';
import {shownSubmission} from './run_state.js';
import {saveFile} from './save_file.js';

/** The height of the title above the grid, and of a legend line, in pixels. */
const TitleHeight = 28;
const LegendLine = 22;

/** The legend's entries: a swatch drawer and a text each, as the page's legend shows them. */
function legendEntries(viewer) {
  const texts = viewer.texts;
  const swatch = (colour) => (context, x, y) => {
    context.fillStyle = 'rgb(' + colour.join(',') + ')';
    context.fillRect(x, y, 14, 14);
    context.strokeStyle = '#555555';
    context.strokeRect(x + 0.5, y + 0.5, 13, 13);
  };
  const entries = [[swatch(Colours.white), texts.legendWhite],
                   [swatch(Colours.black), texts.legendBlack],
                   [swatch(Colours.painted), texts.legendPainted],
                   [swatch(Colours.red), texts.legendRed],
                   [(context, x, y) => {
                     context.save();
                     context.strokeStyle = Colours.outline;
                     context.lineWidth = 3;
                     context.setLineDash([4, 2]);
                     context.strokeRect(x + 1.5, y + 1.5, 11, 11);
                     context.restore();
                   }, texts.legendNeighbourhood]];
  if (viewer.markDifferences && viewer.run.differences) {
    entries.push([swatch(Colours.difference), texts.legendDifference]);
  }
  for (const kind of viewer.task.faultKinds) {
    entries.push([(context, x, y) => {
      const mark = document.createElement('canvas');
      mark.width = mark.height = 18;
      drawLegendMark(mark, kind);
      context.drawImage(mark, x - 2, y - 2);
    }, texts.faultKinds[kind]]);
  }
  return entries;
}

/** The file name: the submission's name without its extension, and the test case. */
function fileName(submission, testCase) {
  const base = submission.name.replace(/\.[^.]*$/, '').replace(/[^\w.-]+/g, '_') || 'submission';
  return base + '-test-case-' + testCase + '.png';
}

/** The shown view as a picture on a canvas of its own, with its title and legend. */
export function viewPicture(viewer) {
  const entries = legendEntries(viewer);
  const columns = 2;
  const picture = document.createElement('canvas');
  picture.width = CanvasSize;
  picture.height = TitleHeight + CanvasSize + Math.ceil(entries.length / columns) * LegendLine + 8;
  const context = picture.getContext('2d');
  context.fillStyle = '#ffffff';
  context.fillRect(0, 0, picture.width, picture.height);
  context.fillStyle = '#111111';
  context.font = '14px sans-serif';
  context.textBaseline = 'middle';
  const block = viewer.run.block;
  context.fillText(shownSubmission(viewer.run).name + ' \u2014 ' + $('block-title').textContent,
                   6, TitleHeight / 2);
  context.drawImage(viewer.canvas, 0, TitleHeight);
  entries.forEach(([drawSwatch, text], e) => {
    const x = 6 + (e % columns) * (CanvasSize / columns);
    const y = TitleHeight + CanvasSize + 6 + Math.floor(e / columns) * LegendLine;
    drawSwatch(context, x, y);
    context.fillStyle = '#111111';
    context.fillText(text, x + 22, y + 7);
  });
  return {picture, name: fileName(shownSubmission(viewer.run), block ? block.record.testCase : 0)};
}

/** Saves the shown view as a PNG file. */
export async function saveView(viewer) {
  if (!viewer.run.block) return;
  const {picture, name} = viewPicture(viewer);
  saveFile(await new Promise((resolve) => picture.toBlob(resolve, 'image/png')), name);
}
