// The browser module's one call: the host's external call.
//
//   const kelv = await KelvDateWeb();
//   kelv.externalCall('Kelv-DiffDays', '1/1/2001|1/3/2001')
//     -> {result: '2', boxes: []}
//   kelv.externalCall(30, '')                       // by id: Kelv-Version#
//     -> {result: '3.02', boxes: []}
//
// `result` is the result text, null when the function wrote no result;
// `boxes` the message boxes the call showed, each {title, text}; `error`
// appears (with result null) for an unknown function or a character above
// U+00FF. Texts are the plug-in's 8-bit bytes as the characters U+0000..U+00FF
// (Latin-1): pass such characters in, and read them out the same way. Lists
// separate their items with "\r". A NUL character ends the parameter.
Module['externalCall'] = function(functionName, parameter) {
  var answer = Module['ccall']('KelvWebCall', 'string', ['string', 'string'],
                               [String(functionName), parameter === undefined ? '' : String(parameter)]);
  kelvSavePrefs();
  return JSON.parse(answer);
};
