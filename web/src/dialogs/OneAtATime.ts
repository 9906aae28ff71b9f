// One question or refusal of a window at a time: a call made while another
// is still answering is dropped (resolves undefined), so a second click
// waits for nothing.
export class OneAtATime {
  private busy = false;

  async run<T>(call: () => T | Promise<T>): Promise<T | undefined> {
    if (this.busy) return undefined;
    this.busy = true;
    try {
      return await call();
    } finally {
      this.busy = false;
    }
  }
}
