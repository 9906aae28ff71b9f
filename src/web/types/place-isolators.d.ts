// The Place Isolators window, as the desktop's dlgPlaceIsolators drives its
// core: an isolator kind and the most points a section may hold, the
// loop's sections before and after, and OK putting the isolators in.

import type { Deletable } from './session.js';
import type { LoopEditor } from './loop-editor.js';

// Opened from the editor's Place Isolators button; the editor must outlive it.
export interface PlaceIsolators extends Deletable {
  // "Place Isolators - Loop 2 - ...".
  caption(): string;
  // The isolators the loop may take, by name; empty when there are none.
  kinds(): string[];
  kind(): number;
  setKind(kind: number): void;
  // The panel's figure to begin with; kept within minLimit() and maxLimit().
  limit(): number;
  setLimit(limit: number): void;
  minLimit(): number;
  maxLimit(): number;
  beforeText(): string;
  // Empty when the isolators cannot go in.
  afterText(): string;
  // What OK does, why it cannot, or that no isolator is needed.
  outcomeText(): string;
  canApply(): boolean;
  // OK: the isolators into the loop, a step "Place Isolators" of the
  // editor (then read the editor again); false when they cannot go in.
  ok(): boolean;
  helpTopic(): number;
}

export interface PlaceIsolatorsTypes {
  PlaceIsolators: new (editor: LoopEditor) => PlaceIsolators;
}
