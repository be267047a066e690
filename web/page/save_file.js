// Saves a file that the page made (a PNG of the view, the merged submission) as the browser
// downloads: under a name of its own, in the reader's downloads.

/** Offers `blob` as a download named `name`. */
export function saveFile(blob, name) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = name;
  document.body.appendChild(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}
