// The browser's ways to the user's files. Where the browser has the File
// System Access API, a file is chosen with its handle, so that a save can
// write it back; elsewhere an <input type=file> reads it and a save is a
// download.

// The parts of the File System Access API used here (not yet in lib.dom).
export interface FileHandle {
  readonly kind: 'file';
  readonly name: string;
  getFile(): Promise<File>;
  createWritable(): Promise<{ write(data: BlobPart): Promise<void>; close(): Promise<void> }>;
  queryPermission?(descriptor: { mode: 'read' | 'readwrite' }): Promise<PermissionState>;
  requestPermission?(descriptor: { mode: 'read' | 'readwrite' }): Promise<PermissionState>;
}
interface PickerOptions {
  types: { description: string; accept: Record<string, string[]> }[];
  suggestedName?: string;
}
interface FileAccessWindow {
  showOpenFilePicker?(options: PickerOptions): Promise<FileHandle[]>;
  showSaveFilePicker?(options: PickerOptions): Promise<FileHandle>;
}
const browser = window as unknown as FileAccessWindow;

// A file chosen or dropped: what it holds, with its handle where the browser gives one.
export interface ChosenFile {
  file: File;
  handle: FileHandle | null;
}

const fileTypes = [{ description: 'Ferrolux Files', accept: { 'application/octet-stream': ['.QLX'] } }];

export const canSaveInPlace = (): boolean => typeof browser.showSaveFilePicker === 'function';

// The browser's open dialog; null when the user closes it without a file.
export async function chooseFileToOpen(): Promise<ChosenFile | null> {
  if (typeof browser.showOpenFilePicker !== 'function') {
    const file = await pickWithInput('.qlx,.QLX');
    return file && { file, handle: null };
  }
  const [handle] = await unlessAborted(browser.showOpenFilePicker({ types: fileTypes })) ?? [];
  return handle ? { file: await handle.getFile(), handle } : null;
}

// The browser's save dialog (only where canSaveInPlace()); null when closed without a file.
export function chooseFileToSave(suggestedName: string): Promise<FileHandle | null> {
  return unlessAborted(browser.showSaveFilePicker!({ types: fileTypes, suggestedName }));
}

// The file of a drop, taken while the drop event lasts (its items go with it).
export function droppedFile(event: DragEvent): Promise<ChosenFile | null> | null {
  const item = [...(event.dataTransfer?.items ?? [])].find((entry) => entry.kind === 'file');
  const file = item?.getAsFile();
  if (!item || !file) return null;
  const withHandle = item as DataTransferItem & { getAsFileSystemHandle?(): Promise<FileHandle | { kind: string } | null> };
  const handle = withHandle.getAsFileSystemHandle?.() ?? Promise.resolve(null);
  return handle.catch(() => null).then((found) => ({ file, handle: found?.kind === 'file' ? found as FileHandle : null }));
}

// Read (or, for a save, write) access to a handle kept from an earlier visit;
// asking the user is allowed only on a click or a key.
export async function mayUse(handle: FileHandle, mode: 'read' | 'readwrite'): Promise<boolean> {
  if (!handle.queryPermission || !handle.requestPermission) return true;
  if ((await handle.queryPermission({ mode })) === 'granted') return true;
  return (await handle.requestPermission({ mode }).catch(() => 'denied')) === 'granted';
}

// Writes the bytes into the user's file; false when the browser refused.
export async function writeToFile(handle: FileHandle, bytes: Uint8Array): Promise<boolean> {
  try {
    if (!(await mayUse(handle, 'readwrite'))) return false;
    const writable = await handle.createWritable();
    await writable.write(bytes as BlobPart);
    await writable.close();
    return true;
  } catch (error) {
    console.warn(`${handle.name} could not be written:`, error);
    return false;
  }
}

export function download(name: string, bytes: Uint8Array): void {
  const url = URL.createObjectURL(new Blob([bytes as BlobPart], { type: 'application/octet-stream' }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(url), 60_000);
}

// A picker closed by the user (AbortError) gives null; other failures stay failures.
async function unlessAborted<T>(picking: Promise<T>): Promise<T | null> {
  try {
    return await picking;
  } catch (error) {
    if (error instanceof DOMException && error.name === 'AbortError') return null;
    throw error;
  }
}

// The browser's own file chooser for files of these endings; null when closed without one.
export function pickWithInput(accept: string): Promise<File | null> {
  return new Promise((resolve) => {
    const input = document.createElement('input');
    input.type = 'file';
    input.accept = accept;
    input.addEventListener('change', () => resolve(input.files?.[0] ?? null));
    input.addEventListener('cancel', () => resolve(null));
    input.click();
  });
}
