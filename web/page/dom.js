// The page's elements by id.

/** The element with this id. */
export const $ = (id) => document.getElementById(id);
