// The chart of the counts, with two or more submissions: one series per submission, in the
// order loaded, with one point per test case at the near-pair count of the test case's first
// block (module_api.js's answers()); where that block is refused or no block answers the test
// case, the series has a gap. A click on a point shows that block, as a click in the block
// list of that submission does. It is drawn once two submissions are diagnosed, again as each
// next one is, and in each language; it writes nothing of the run but the time that it took
// (timings.js).
import {$} from './dom.js';
import {firstBlockOf} from './shown_block.js';
import {say} from './status.js';
import {switchSubmission} from './submission_list.js';
import {noteDuration} from './timings.js';

const SvgNs = 'http://www.w3.org/2000/svg';
/** The chart's size in the SVG's units, with the margins that hold the axes' ticks and labels. */
const Frame = {width: 720, height: 250, left: 66, right: 14, top: 10, bottom: 42};
/** About how many ticks an axis has. */
const Ticks = 6;
/** The points' radius. */
const PointRadius = 3.5;

/**
 * The series' colours, told apart with the common kinds of colour blindness (the palette of
 * the fault marks), the yellow last, for it shows least on white. The series after them
 * take the colours again, dashed and with hollow points.
 */
export const SeriesColours = ['#0072b2', '#e69f00', '#009e73', '#cc79a7', '#56b4e9', '#d55e00',
                              '#000000', '#f0e442'];

/** How series s is drawn: its colour, and whether its line is dashed and its points hollow. */
export function seriesStyle(s) {
  const again = Math.floor(s / SeriesColours.length) % 2 === 1;
  return {colour: SeriesColours[s % SeriesColours.length], dashed: again, hollow: again};
}

/** An SVG element with attributes. */
function svgElement(name, attributes) {
  const element = document.createElementNS(SvgNs, name);
  for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
  return element;
}

/** Test case numbers for the x axis's ticks: round ones, about Ticks of them, from 1 to `last`. */
function testCaseTicks(last) {
  const rough = Math.max(1, (last - 1) / Ticks);
  const magnitude = 10 ** Math.floor(Math.log10(rough));
  const step = [1, 2, 5, 10].map((factor) => factor * magnitude).find((size) => size >= rough);
  const values = [1];
  for (let value = step; value <= last; value += step) if (value > 1) values.push(value);
  return values;
}

/**
 * Counts for the y axis's ticks, from the largest at most `low` to the smallest at least
 * `high`: 0 and the powers of ten, with 2 and 5 times them where the counts span two powers of
 * ten or less.
 */
function countTicks(low, high) {
  const factors = high <= 100 * Math.max(1, low) ? [1, 2, 5] : [1];
  const candidates = [0];
  for (let power = 1; candidates.at(-1) < high; power *= 10) {
    candidates.push(...factors.map((factor) => factor * power));
  }
  const from = candidates.findLastIndex((value) => value <= low);
  const to = candidates.findIndex((value) => value >= high);
  return candidates.slice(from, to + 1);
}

/** Where a count stands on the y axis, before scaling: the counts of one input's test cases
 * span powers of ten, so the axis is logarithmic, with 0 at 0. */
const countLevel = (count) => Math.log10(1 + count);

/** Each diagnosed submission's points: {s, testCase, count} for each accepted first block. */
function seriesPoints(run) {
  return run.submissions.map((submission, s) => submission.answers?.flatMap((answer, t) =>
    answer.verdict === 'accepted' ? [{s, testCase: t + 1, count: answer.nearPairs}] : []));
}

/** The axes with their ticks and labels, and the scales of the points: x(testCase), y(count). */
function drawAxes(viewer, svg, testCases, counts) {
  const format = new Intl.NumberFormat(viewer.language, {notation: 'compact',
                                                          maximumFractionDigits: 2});
  const xTicks = testCaseTicks(testCases);
  const yTicks = countTicks(Math.min(...counts), Math.max(...counts));
  const [left, right] = [Frame.left, Frame.width - Frame.right];
  const [top, bottom] = [Frame.top, Frame.height - Frame.bottom];
  const x = (testCase) => testCases > 1 ?
    left + (testCase - 1) * (right - left) / (testCases - 1) : (left + right) / 2;
  const [low, high] = [countLevel(yTicks[0]), countLevel(yTicks.at(-1))];
  const y = (count) => high > low ?
    bottom - (countLevel(count) - low) * (bottom - top) / (high - low) : (top + bottom) / 2;
  const axes = svgElement('g', {class: 'axes'});
  for (const value of yTicks) {
    axes.append(svgElement('line', {x1: left - 4, x2: right, y1: y(value), y2: y(value),
                                    class: 'grid-line'}));
    const label = svgElement('text', {x: left - 7, y: y(value) + 4, 'text-anchor': 'end'});
    label.textContent = format.format(value);
    axes.append(label);
  }
  for (const value of xTicks) {
    const label = svgElement('text', {x: x(value), y: bottom + 16, 'text-anchor': 'middle'});
    label.textContent = String(value);
    axes.append(svgElement('line', {x1: x(value), x2: x(value), y1: bottom, y2: bottom + 4}), label);
  }
  const xLabel = svgElement('text', {x: (left + right) / 2, y: Frame.height - 6,
                                     'text-anchor': 'middle', class: 'axis-label'});
  xLabel.textContent = say(viewer, 'chartTestCase');
  const yLabel = svgElement('text', {x: 0, y: 0, 'text-anchor': 'middle', class: 'axis-label',
                                     transform: 'translate(13 ' + (top + bottom) / 2 + ') rotate(-90)'});
  yLabel.textContent = say(viewer, 'chartCount');
  axes.append(svgElement('path', {d: 'M' + left + ' ' + top + 'V' + bottom + 'H' + right}),
              xLabel, yLabel);
  svg.append(axes);
  return {x, y};
}

/** One series: its line, broken where a test case has no point, and its points. */
function drawSeries(svg, points, s, {x, y}) {
  const {colour, dashed, hollow} = seriesStyle(s);
  let path = '';
  points.forEach((point, k) => {
    const joined = k > 0 && points[k - 1].testCase === point.testCase - 1;
    path += (joined ? 'L' : 'M') + x(point.testCase).toFixed(1) + ' ' + y(point.count).toFixed(1);
  });
  svg.append(svgElement('path', {d: path, fill: 'none', stroke: colour, 'stroke-width': 1.5,
                                 ...(dashed ? {'stroke-dasharray': '5 3'} : {})}));
  const group = svgElement('g', {fill: hollow ? '#fff' : colour, stroke: colour,
                                 class: 'points'});
  for (const point of points) {
    group.append(svgElement('circle', {
      cx: x(point.testCase).toFixed(1), cy: y(point.count).toFixed(1), r: PointRadius,
      'data-chart-submission': s, 'data-chart-test-case': point.testCase,
      'data-chart-count': point.count,
    }));
  }
  svg.append(group);
}

/** The legend: each submission's line and point, and its file's name. */
function renderChartLegend(viewer) {
  const legend = $('chart-legend');
  legend.textContent = '';
  viewer.run.submissions.forEach((submission, s) => {
    const {colour, dashed, hollow} = seriesStyle(s);
    const entry = document.createElement('span');
    entry.dataset.chartLegend = s;
    const key = svgElement('svg', {width: 30, height: 12, viewBox: '0 0 30 12'});
    key.append(svgElement('line', {x1: 1, x2: 29, y1: 6, y2: 6, stroke: colour, 'stroke-width': 1.5,
                                   ...(dashed ? {'stroke-dasharray': '5 3'} : {})}),
               svgElement('circle', {cx: 15, cy: 6, r: PointRadius, stroke: colour,
                                     fill: hollow ? '#fff' : colour}));
    entry.append(key, (s + 1) + '. ' + submission.name +
                 (submission.diagnosisDone ? '' : viewer.texts.stillJudging));
    legend.appendChild(entry);
  });
}

/** Shows the block of a point: that submission's first block of its test case. */
function showPoint(viewer, s, testCase) {
  const run = viewer.run;
  const index = firstBlockOf(run, s, testCase);
  if (index < 0) return;
  if (s === run.current) viewer.chooseBlock(s, index);
  else switchSubmission(viewer, s, index);
}

/** Names the point under the pointer below the chart, or nothing. */
function namePoint(viewer, point) {
  $('chart-point').textContent = point ? say(viewer, 'chartPoint',
    (Number(point.dataset.chartSubmission) + 1) + '. ' +
    viewer.run.submissions[point.dataset.chartSubmission].name,
    point.dataset.chartTestCase, Number(point.dataset.chartCount)) : '';
}

/**
 * Draws the chart of the run's diagnosed submissions in the page's language, once two or more
 * are diagnosed; else hides it.
 */
export function renderChart(viewer) {
  const run = viewer.run;
  const started = performance.now();
  const series = seriesPoints(run);
  const diagnosed = series.filter(Boolean);
  const testCases = run.submissions.find((submission) => submission.answers)?.answers.length ?? 0;
  const svg = $('chart');
  svg.textContent = '';
  $('chart-point').textContent = '';
  $('chart-panel').hidden = run.submissions.length < 2 || diagnosed.length < 2 || testCases === 0;
  if ($('chart-panel').hidden) return;
  svg.setAttribute('viewBox', '0 0 ' + Frame.width + ' ' + Frame.height);
  const counts = diagnosed.flat().map((point) => point.count);
  const scales = drawAxes(viewer, svg, testCases, counts.length ? counts : [0]);
  series.forEach((points, s) => {
    if (points) drawSeries(svg, points, s, scales);
  });
  renderChartLegend(viewer);
  noteDuration(run, 'chart', started);
}

/** A click on a point shows its block; the point under the pointer is named below the chart. */
export function bindChart(viewer) {
  const pointOf = (event) => event.target.closest?.('[data-chart-submission]') ?? null;
  $('chart').addEventListener('click', (event) => {
    const point = pointOf(event);
    if (point) showPoint(viewer, Number(point.dataset.chartSubmission),
                         Number(point.dataset.chartTestCase));
  });
  $('chart').addEventListener('mouseover', (event) => namePoint(viewer, pointOf(event)));
  $('chart').addEventListener('mouseleave', () => namePoint(viewer, null));
}
