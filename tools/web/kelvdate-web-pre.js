// The browser module's start: the preference file from the page's storage.
//
// The plug-in keeps its preferences in /kelvdate/DateTimePrefs.dtp, a file in
// memory. Before the plug-in starts, the file's bytes come back from
// localStorage (where the last call left them); after every call they go
// there again, so a preference set on the page holds across reloads. Without
// localStorage (storage turned off, or node without one) the preferences
// last as long as the page.
var kelvPrefsFolder = '/kelvdate';
var kelvPrefsFile = kelvPrefsFolder + '/DateTimePrefs.dtp';
var kelvStorageKey = 'KELVDATE.FMX/DateTimePrefs.dtp';

function kelvStorage() {
  try {
    return typeof localStorage !== 'undefined' && localStorage !== null ? localStorage : null;
  } catch (e) {
    return null;  // a page whose storage is refused throws on the very look
  }
}

// The file's bytes travel as base64 of the bytes taken as Latin-1 characters.
function kelvLoadPrefs() {
  FS.mkdir(kelvPrefsFolder);
  var storage = kelvStorage();
  var saved = storage !== null ? storage.getItem(kelvStorageKey) : null;
  if (saved === null) return;  // first start: the plug-in writes the defaults
  var text;
  try {
    text = atob(saved);
  } catch (e) {
    return;  // not base64: treated as no file
  }
  var bytes = new Uint8Array(text.length);
  for (var i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
  FS.writeFile(kelvPrefsFile, bytes);
}

// The preference file's bytes as Latin-1 characters, null when there is none
// (the plug-in could not make one).
function kelvPrefsText() {
  var bytes;
  try {
    bytes = FS.readFile(kelvPrefsFile);
  } catch (e) {
    return null;
  }
  var text = '';
  for (var i = 0; i < bytes.length; ++i) text += String.fromCharCode(bytes[i]);
  return text;
}

function kelvSavePrefs() {
  var storage = kelvStorage();
  if (storage === null) return;
  var text = kelvPrefsText();
  if (text === null) return;  // no file: nothing to keep
  try {
    storage.setItem(kelvStorageKey, btoa(text));
  } catch (e) {
    // storage full or refused: the preferences last as long as the page
  }
}

Module['preRun'] = [].concat(Module['preRun'] || [], [kelvLoadPrefs]);
Module['postRun'] = [].concat(Module['postRun'] || [], [function() { Module['_KelvWebStart'](); kelvSavePrefs(); }]);
