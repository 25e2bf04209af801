// The browser module's one call: the host's external call.
//
//   const kelv = await KelvDateWeb();
//   kelv.externalCall('Kelv-DiffDays', '1/1/2001|1/3/2001')
//     -> {result: '2', boxes: []}
//   kelv.externalCall(30, '')                       // by id: Kelv-Version#
//     -> {result: '3.02', boxes: []}
//   kelv.preferenceFile()                           // the 280 bytes in force
//
// `result` is the result text, null when the function wrote no result;
// `boxes` the message boxes the call showed, each {title, text}; `error`
// appears (with result null) for an unknown function or a character above
// U+00FF. Texts are the plug-in's 8-bit bytes as the characters U+0000..U+00FF
// (Latin-1): pass such characters in, and read them out the same way. Lists
// separate their items with "\r". A NUL character is a byte like any other:
// the parameter crosses as a JSON string, so it reaches the plug-in whole,
// with its size, as the host hands it over.
Module['externalCall'] = function(functionName, parameter) {
  var answer = Module['ccall']('KelvWebCall', 'string', ['string', 'string'],
                               [String(functionName), JSON.stringify(parameter === undefined ? '' : String(parameter))]);
  kelvSavePrefs();
  return JSON.parse(answer);
};

// The preference file as the last call left it (each call ends by saving
// the preferences), its bytes as Latin-1 characters; null when there is none.
Module['preferenceFile'] = kelvPrefsText;
