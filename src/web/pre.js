// Runs before the module starts: where the program's folders are, what the
// locale is, and the storage that keeps the user's settings and panels.
//
// Module options (see ferrolux.d.ts):
//   storage: 'indexeddb' (the default where the browser has IndexedDB) keeps
//            /persist in the browser's storage; 'memory' keeps nothing.
//   environment: variables for the program (LANG, HOME...), over the
//            defaults below; the locale otherwise follows the browser's
//            language.
Module['preRun'] = [].concat(Module['preRun'] || [], [function() {
  var environment = {
    'HOME': '/home/web_user',
    'HARVEX_DATA_ROOT': '/data',
    'XDG_CONFIG_HOME': '/persist/config',
    'XDG_DATA_HOME': '/persist/data',
  };
  if (typeof navigator === 'object' && navigator.language) {
    environment['LANG'] = navigator.language.replace('-', '_') + '.UTF-8';
  }
  Object.assign(environment, Module['environment'] || {});
  Object.keys(environment).forEach(function(name) { ENV[name] = environment[name]; });

  FS.mkdirTree('/persist');
  FS.mkdirTree('/documents');
  var lasting = (Module['storage'] || 'indexeddb') === 'indexeddb' && typeof indexedDB !== 'undefined';
  if (!lasting) return;
  FS.mount(IDBFS, {}, '/persist');
  addRunDependency('ferrolux-storage');
  FS.syncfs(true, function(error) {
    if (error) err('ferrolux: the stored settings could not be read: ' + error);
    removeRunDependency('ferrolux-storage');
  });

  // Each change under /persist is written back at once, one write at a time.
  var writing = Promise.resolve();
  Module.ferroluxPersist = function(path) {
    if (path.indexOf('/persist/') !== 0) return;
    writing = writing.then(function() {
      return new Promise(function(resolve) {
        FS.syncfs(false, function(error) {
          if (error) err('ferrolux: the settings could not be stored: ' + error);
          resolve();
        });
      });
    });
  };
  // Resolves once every change so far is in the browser's storage.
  Module['flushStorage'] = function() { return writing; };
}]);
if (!Module['flushStorage']) Module['flushStorage'] = function() { return Promise.resolve(); };

// The calls that may ask the user a question. Such a call runs at once; when
// a question is answered later (the page's own dialog, a promise), the call
// is undone — the module's memory and stack put back as they were before it —
// and made again once the answer is in, every box shown before answered as
// before without being shown again (ferroluxAnswer in library_ferrolux.js).
// The call then returns a promise of its result. So every call is whole:
// nothing half-done is ever left in the module, and the page may call in at
// any time, also while its dialog is open.
var ferroluxAsking = {
  'Session': ['start', 'open', 'save', 'saveAs', 'checkSaved'],
  'MainWindow': ['changePanel', 'copyLoop', 'clearLoop', 'askToChooseAgain'],
  'PowerWindow': ['ok', 'mayDiscard'],
  'ProjectWindow': ['ok', 'mayDiscard'],
  'OptionsDialog': ['ok'],
  'DeviceTypeChooser': ['ok'],
  'LoopEditor': ['commitDeviceQuantity', 'commitOtherQuantity', 'commitImpedance', 'commitTotalLength',
                 'commitFirstLength', 'commitMaxOutputs', 'ok', 'cancel'],
  'CableLayout': ['commitDistance', 'commitLength', 'move', 'paste', 'spaceEvenly', 'cancel'],
  'PanelEditor': ['open', 'ok'],
  'PanelList': ['deleteChosen'],
  'SharedFiles': ['exportPanels', 'exportOptions', 'importPanels', 'importOptions'],
  '': ['printRefused', 'printReport'],
};

// The memory in use, kept in one buffer reused from call to call: the data,
// then the stack from its pointer up, then the heap to its break (the
// stack's unused part, megabytes of it, is left out).
var ferroluxSaved = new Uint8Array(0);
function ferroluxSaveMemory() {
  var dataEnd = _emscripten_stack_get_end(), stack = stackSave(), heapEnd = _sbrk(0);
  var size = dataEnd + (heapEnd - stack);
  if (ferroluxSaved.length < size) ferroluxSaved = new Uint8Array(size + (size >> 2));
  ferroluxSaved.set(HEAPU8.subarray(0, dataEnd), 0);
  ferroluxSaved.set(HEAPU8.subarray(stack, heapEnd), dataEnd);
  return { dataEnd: dataEnd, stack: stack, heapEnd: heapEnd };
}
function ferroluxRestoreMemory(memory) {
  var dataEnd = memory.dataEnd;
  HEAPU8.set(ferroluxSaved.subarray(0, dataEnd), 0);
  HEAPU8.set(ferroluxSaved.subarray(dataEnd, dataEnd + memory.heapEnd - memory.stack), memory.stack);
  stackRestore(memory.stack);
}

function ferroluxMayAsk(call) {
  var mayAsk = function() {
    if (Module.ferroluxOperation) return call.apply(this, arguments);  // a part of the running call
    var self = this, args = arguments;
    var operation = { answers: [], index: 0, pending: null };
    var attempt = function() {
      var memory = ferroluxSaveMemory();
      operation.index = 0;
      operation.pending = null;
      Module.ferroluxOperation = operation;
      try {
        return { value: call.apply(self, args) };
      } catch (e) {
        ferroluxRestoreMemory(memory);
        if (operation.pending) return { pending: operation.pending };
        throw e;
      } finally {
        Module.ferroluxOperation = null;
      }
    };
    var result = attempt();
    if (!result.pending) return result.value;
    return (async function() {
      while (result.pending) {
        operation.answers.push(await result.pending());
        result = attempt();
      }
      return result.value;
    })();
  };
  mayAsk.mayAsk = true;  // for the check that the declarations say so too
  return mayAsk;
}

Module['postRun'] = [].concat(Module['postRun'] || [], [function() {
  Object.keys(ferroluxAsking).forEach(function(name) {
    var owner = name ? Module[name].prototype : Module;
    ferroluxAsking[name].forEach(function(method) {
      if (typeof owner[method] !== 'function') throw new Error('ferrolux: no call ' + name + '.' + method);
      owner[method] = ferroluxMayAsk(owner[method]);
    });
  });
}]);
