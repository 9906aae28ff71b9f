// Where each document's file is, by the document's path in the module: the
// user's file through its handle (kept in IndexedDB, so that a recent file
// reopens on a later visit where the browser keeps handles), or a sample
// site in the module. A path with neither is a file the page cannot reach
// again by itself.
import type { FileHandle } from './FileAccess.js';

export type FileSource = { handle: FileHandle } | { sample: string };

const databaseName = 'ferrolux-files';
const storeName = 'sources';

export class KnownFiles {
  private readonly sources = new Map<string, FileSource>();
  private database: Promise<IDBDatabase | null> | null = null;

  async find(path: string): Promise<FileSource | null> {
    const known = this.sources.get(path);
    if (known) return known;
    const stored = await this.request<FileSource | undefined>('readonly', (store) => store.get(path));
    if (stored) this.sources.set(path, stored);
    return stored ?? null;
  }

  // Null forgets the path: its file is now one the page has no way back to.
  async remember(path: string, source: FileSource | null): Promise<void> {
    if (!path) return;
    if (source) this.sources.set(path, source);
    else this.sources.delete(path);
    await this.request('readwrite', (store) => (source ? store.put(source, path) : store.delete(path)));
  }

  private open(): Promise<IDBDatabase | null> {
    this.database ??= new Promise((resolve) => {
      if (typeof indexedDB === 'undefined') return resolve(null);
      const opening = indexedDB.open(databaseName, 1);
      opening.onupgradeneeded = () => opening.result.createObjectStore(storeName);
      opening.onsuccess = () => resolve(opening.result);
      opening.onerror = () => resolve(null);
    });
    return this.database;
  }

  // One request of the store; undefined where the browser keeps no database
  // (file://, a private window) or cannot store a handle.
  private async request<T>(mode: IDBTransactionMode, make: (store: IDBObjectStore) => IDBRequest): Promise<T | undefined> {
    const database = await this.open();
    if (!database) return undefined;
    return new Promise((resolve) => {
      try {
        const request = make(database.transaction(storeName, mode).objectStore(storeName));
        request.onsuccess = () => resolve(request.result as T);
        request.onerror = () => resolve(undefined);
      } catch (error) {
        console.warn('The file could not be remembered:', error);
        resolve(undefined);
      }
    });
  }
}
