// Serves a folder (build/web by default) on http://127.0.0.1:PORT/, as any
// static web server would; prints the address. PORT 0 takes a free port.
//   node web/scripts/serve.mjs [--port N] [FOLDER]
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.css': 'text/css; charset=utf-8',
  '.json': 'application/json', '.svg': 'image/svg+xml', '.png': 'image/png', '.webmanifest': 'application/manifest+json',
};

// Resolves with the server and its address once it listens.
export function serve(folder, port = 0) {
  const root = path.resolve(folder);
  const server = http.createServer((request, response) => {
    const address = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    let file = path.join(root, address.endsWith('/') ? address + 'index.html' : address);
    if (!file.startsWith(root + path.sep)) file = '';  // nothing outside the folder
    fs.readFile(file, (error, bytes) => {
      if (error) {
        response.writeHead(404, { 'Content-Type': 'text/plain' }).end('Not found');
        return;
      }
      response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream',
        'Cache-Control': 'no-cache' }).end(bytes);
    });
  });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => resolve({ server, url: `http://127.0.0.1:${server.address().port}/` }));
  });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const args = process.argv.slice(2);
  const portAt = args.indexOf('--port');
  const port = portAt >= 0 ? Number(args.splice(portAt, 2)[1]) : 8080;
  const folder = args[0] || path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../../build/web');
  // A port already taken gives way to a free one.
  const { url } = await serve(folder, port)
    .catch((error) => (error.code === 'EADDRINUSE' ? serve(folder, 0) : Promise.reject(error)))
    .catch((error) => {
      console.error(`Cannot serve the app on port ${port}: ${error.message}`);
      process.exit(1);
    });
  console.log(`Harvex Ferrolux in the browser: ${url}  (Ctrl+C stops it)`);
}
