// Filled in as the area is bound.
export interface PanelTypes {}
