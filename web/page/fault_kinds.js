// The fault kinds as the page shows them. Which kinds there are, and in what order, the module
// says (the worker's 'module' message: viewer.task.faultKinds); the page keeps only its own part
// of each kind: its mark here, and its words in each language in i18n.js.
import {Languages, Texts} from './i18n.js';

/**
 * The mark of each fault kind, by the module's name of the kind: a shape, so that kinds are
 * told apart without their hue, and a colour of its own, drawn over a dark rim so that it
 * shows on every cell colour; the glyph is the same shape in the fault list's text.
 */
export const FaultMarks = {
  invalidCell: {shape: 'cross', colour: '#cc79a7', glyph: '\u2715'},
  redChanged: {shape: 'circle', colour: '#f0e442', glyph: '\u25cb'},
  blackChanged: {shape: 'star', colour: '#56b4e9', glyph: '\u2606'},
  whiteToRed: {shape: 'diamond', colour: '#009e73', glyph: '\u25c7'},
  tooFewWhite: {shape: 'triangleDown', colour: '#0072b2', glyph: '\u25bd'},
  tooManyBlack: {shape: 'triangleUp', colour: '#e69f00', glyph: '\u25b3'},
};

/**
 * The page's part of each of the module's kinds, in the module's order: its words in each
 * language and its mark, null where the page has none (which the browser tests refuse).
 */
export function kindVocabulary(kinds) {
  return kinds.map((kind) => ({
    kind,
    words: Object.fromEntries(Languages.map((language) =>
      [language, Texts[language].faultKinds[kind] ?? null])),
    mark: FaultMarks[kind] ?? null,
  }));
}
