// Serves build/web for the tests on a free port, as any static server would;
// the workers find it in FERROLUX_APP_URL.
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve } from '../scripts/serve.mjs';

export default async function serveApp(): Promise<() => Promise<void>> {
  const { server, url } = await serve(path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../../build/web'), 0);
  process.env.FERROLUX_APP_URL = url;
  return () => new Promise((resolve) => server.close(() => resolve()));
}
