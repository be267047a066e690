// The page's language: the one chosen before, else the browser's preferred one (i18n.js), and
// the switch that changes it and is remembered. This module alone writes the viewer's
// language and texts.
import {renderBlockList} from './block_list.js';
import {renderCounts} from './cell_counts.js';
import {renderChart} from './chart.js';
import {renderComparison} from './comparison_list.js';
import {$} from './dom.js';
import {renderFaults} from './fault_list.js';
import {Texts, LanguageStorageKey, chooseLanguage} from './i18n.js';
import {renderLegend} from './legend.js';
import {renderMergeNote} from './merge_download.js';
import {renderReport} from './report.js';
import {renderBlockTitle} from './shown_block.js';
import {renderStatus} from './status.js';
import {renderSubmissionList} from './submission_list.js';

/** Speaks one language on the whole page: its fixed texts and everything shown so far. */
function applyLanguage(viewer, language) {
  viewer.language = language;
  viewer.texts = Texts[language];
  document.documentElement.lang = language;
  document.title = viewer.texts.title;
  $('language').value = language;
  for (const element of document.querySelectorAll('[data-text]')) {
    element.textContent = viewer.texts[element.dataset.text];
  }
  $('zoom-in').title = viewer.texts.zoomIn;
  $('zoom-out').title = viewer.texts.zoomOut;
  $('keys').textContent = viewer.texts.keys;
  renderLegend(viewer);
  renderStatus(viewer);
  renderReport(viewer);
  renderBlockList(viewer);
  renderSubmissionList(viewer);
  renderComparison(viewer);
  renderBlockTitle(viewer);
  renderFaults(viewer);
  renderCounts(viewer);
  renderChart(viewer);
  renderMergeNote(viewer);
}

/** The language chosen before, if the browser lets the page remember one. */
function storedLanguage() {
  try {
    return localStorage.getItem(LanguageStorageKey);
  } catch {
    return null;
  }
}

/** Speaks the stored or preferred language, and remembers what the switch chooses. */
export function bindLanguage(viewer) {
  const preferred = navigator.languages?.length ? navigator.languages : [navigator.language];
  applyLanguage(viewer, chooseLanguage(storedLanguage(), preferred));
  $('language').onchange = (event) => {
    try {
      localStorage.setItem(LanguageStorageKey, event.target.value);
    } catch {
      // Storage is off: the choice holds until the page is left.
    }
    applyLanguage(viewer, event.target.value);
  };
}
