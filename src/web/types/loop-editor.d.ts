// Filled in as the area is bound.
export interface LoopEditorTypes {}
