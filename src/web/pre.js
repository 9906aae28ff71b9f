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
