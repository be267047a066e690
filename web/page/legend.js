// The legend of the fault marks under the canvas: each kind's mark as the canvas draws it,
// and its name, in the module's order; and the mark of the cells that differ, while it is on.
import {$} from './dom.js';
import {drawLegendMark} from './grid_canvas.js';

/** Shows the legend of the fault marks in the page's language. */
export function renderLegend(viewer) {
  const legend = $('fault-legend');
  legend.textContent = '';
  for (const kind of viewer.task.faultKinds) {
    const entry = document.createElement('span');
    const mark = document.createElement('canvas');
    mark.width = mark.height = 18;
    drawLegendMark(mark, kind);
    entry.append(mark, viewer.texts.faultKinds[kind]);
    legend.appendChild(entry);
  }
  $('difference-legend').hidden = !viewer.markDifferences;
}
