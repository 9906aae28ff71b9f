// The module's imports: how the core's message boxes, questions, open
// progress and file writes reach the page. `Module.messageHost` and
// `Module.openProgress` are the page's (see ferrolux.d.ts); without them a box
// answers its default button and an unknown device type is left out ("Y").
//
// A question the page answers at once is answered at once. One it answers
// with a promise (its own dialog) cannot hold the running call, since
// WebAssembly cannot wait: the call is undone and made again once the answer
// is in (see ferroluxAsking in pre.js), with every box it showed before
// answered as before, unseen.

mergeInto(LibraryManager.library, {
  // The answer to box `ask` of the running call: the one given on an earlier
  // try, the page's own when it answers at once, else -1 (the call stops
  // and is tried again with the page's answer). `silent`: a box of only an
  // OK button, which the page shows while the call goes on.
  $ferroluxAnswer: function(ask, silent, fallback, convert) {
    var operation = Module.ferroluxOperation;
    if (operation && operation.index < operation.answers.length) return operation.answers[operation.index++];
    var answer;
    try {
      answer = ask();
    } catch (e) {
      err('ferrolux: the page failed to answer: ' + e);
      answer = fallback;
    }
    var later = answer && typeof answer.then === 'function';
    if (silent || answer === undefined) answer = fallback;
    else if (later && !operation) {
      err('ferrolux: a question outside a call that may ask was answered with its default');
      answer = fallback;
    } else if (later) {
      operation.pending = function() {
        return answer.then(convert, function(e) {
          err('ferrolux: the page failed to answer: ' + e);
          return fallback;
        });
      };
      return -1;
    } else {
      answer = convert(answer);
    }
    if (operation) {
      operation.answers.push(answer);
      operation.index++;
    }
    return answer;
  },

  ferrolux_beep: function(iconBits) {
    var host = Module['messageHost'];
    if (host && host.beep) host.beep(iconBits);
  },

  ferrolux_show__deps: ['$ferroluxAnswer'],
  ferrolux_show: function(text, style, caption, fallback) {
    var host = Module['messageHost'];
    return ferroluxAnswer(function() {
      return host && host.show ? host.show(UTF8ToString(text), style, UTF8ToString(caption), fallback) : fallback;
    }, (style & 0x0F) === 0, fallback, Number);
  },

  ferrolux_choose__deps: ['$ferroluxAnswer'],
  ferrolux_choose: function(text, first, second, caption) {
    var host = Module['messageHost'];
    return ferroluxAnswer(function() {
      return host && host.choose ? host.choose(UTF8ToString(text), UTF8ToString(first), UTF8ToString(second),
                                               UTF8ToString(caption)) : false;
    }, false, 0, function(yes) { return yes ? 1 : 0; });
  },

  ferrolux_progress: function(step, text, number) {
    // Told at every address of an open: nothing is decoded without a window.
    var progress = Module['openProgress'];
    if (!progress) return;
    var name = UTF8ToString(step);
    if (progress[name]) progress[name](name === 'percent' ? number : UTF8ToString(text));
  },

  ferrolux_cancel_requested: function() {
    var progress = Module['openProgress'];
    return progress && progress.cancelRequested && progress.cancelRequested() ? 1 : 0;
  },

  ferrolux_unknown_response__deps: ['$ferroluxAnswer'],
  ferrolux_unknown_response: function(loop, address, deviceType) {
    var progress = Module['openProgress'];
    var yes = 'Y'.charCodeAt(0);
    return ferroluxAnswer(function() {
      return progress && progress.unknownResponse ? progress.unknownResponse(loop, address, deviceType) : 'Y';
    }, false, yes, function(answer) { return String(answer || 'Y').charCodeAt(0); });
  },

  ferrolux_busy: function(shown) {
    var host = Module['messageHost'];
    if (host && host.busy) host.busy(!!shown);
  },

  ferrolux_file_changed: function(path) {
    if (Module.ferroluxPersist) Module.ferroluxPersist(UTF8ToString(path));
  },

  // The report's and the plot's text metrics: `Module.measureText(text,
  // font)` answers { width, height } in the units of font.size, at once
  // (a canvas's measureText does). -1 without it: the module's fixed pitch.
  ferrolux_measure_text: function(text, name, size, bold, italic, underline, height) {
    var measure = Module['measureText'];
    if (!measure) return -1;
    var font = { name: UTF8ToString(name), size: size, bold: !!bold, italic: !!italic, underline: !!underline };
    var metrics = measure(UTF8ToString(text), font);
    var value = metrics ? (height ? metrics.height : metrics.width) : undefined;
    return typeof value === 'number' && isFinite(value) && value >= 0 ? value : -1;
  },
});
