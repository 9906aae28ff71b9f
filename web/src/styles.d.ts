// Style sheets are imported for the bundle's app.css.
declare module '*.css';
