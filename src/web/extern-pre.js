// Emscripten's ES module output still names CommonJS's __dirname and
// require on Node.js; an ES module has neither, so they are given here.
// In a browser both stay unused.
var __dirname = '';
var require = typeof process === 'object' && process.getBuiltinModule ? process.getBuiltinModule : undefined;
