// The report's TrueType fonts, bundled as their bytes (scripts/build.mjs).
declare module '*.ttf' {
  const bytes: Uint8Array;
  export default bytes;
}
