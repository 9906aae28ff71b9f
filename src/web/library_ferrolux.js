// The module's imports: how the core's message boxes, questions, open
// progress and file writes reach the page. `Module.messageHost` and
// `Module.openProgress` are the page's (see ferrolux.d.ts); without them a box
// answers its default button and an unknown device type is left out ("Y").
// A host may answer with a promise: the call into the module then suspends
// (Asyncify) until the page's dialog is answered.

mergeInto(LibraryManager.library, {
  $ferroluxAnswer: function(ask, fallback) {
    return Asyncify.handleSleep(function(wakeUp) {
      var answer;
      try {
        answer = ask();
      } catch (e) {
        err('ferrolux: the page failed to answer: ' + e);
        answer = fallback;
      }
      if (answer && typeof answer.then === 'function') {
        answer.then(wakeUp, function(e) {
          err('ferrolux: the page failed to answer: ' + e);
          wakeUp(fallback);
        });
      } else {
        wakeUp(answer === undefined ? fallback : answer);
      }
    });
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
    }, fallback);
  },

  ferrolux_choose__deps: ['$ferroluxAnswer'],
  ferrolux_choose: function(text, first, second, caption) {
    var host = Module['messageHost'];
    return ferroluxAnswer(function() {
      if (!host || !host.choose) return 0;
      var answer = host.choose(UTF8ToString(text), UTF8ToString(first), UTF8ToString(second), UTF8ToString(caption));
      return answer && typeof answer.then === 'function' ? answer.then(function(yes) { return yes ? 1 : 0; })
                                                          : (answer ? 1 : 0);
    }, 0);
  },

  ferrolux_progress: function(step, text, number) {
    var progress = Module['openProgress'];
    var name = UTF8ToString(step);
    if (progress && progress[name]) progress[name](name === 'percent' ? number : UTF8ToString(text));
  },

  // Gives the page's event loop a turn at most every 50 ms: a repaint, and a
  // click on Cancel, without slowing a long open down.
  ferrolux_yield__deps: ['$ferroluxAnswer'],
  ferrolux_yield: function() {
    var now = Date.now();
    if (Asyncify.state === Asyncify.State.Normal && now - (Module.ferroluxLastYield || 0) < 50) return;
    ferroluxAnswer(function() {
      Module.ferroluxLastYield = now;
      return new Promise(function(resolve) { setTimeout(resolve, 0); }).then(function() { return 0; });
    }, 0);
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
      if (!progress || !progress.unknownResponse) return yes;
      var toCode = function(answer) { return String(answer || 'Y').charCodeAt(0); };
      var answer = progress.unknownResponse(loop, address, deviceType);
      return answer && typeof answer.then === 'function' ? answer.then(toCode) : toCode(answer);
    }, yes);
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
