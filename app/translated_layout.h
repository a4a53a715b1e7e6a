// Fixed window layouts in the user's language. The layouts were drawn for
// the Japanese texts; texts from a catalog (English) are often longer, so
// there each control is measured at its own font and the layout widens
// (WidenLayout) until every text fits. In Japanese nothing moves.
#pragma once

class QWidget;

// Widens client's fixed layout (its direct children, placed by hand) so
// that every control shows its whole text, and client with it, when the
// texts are translated. A client managed by a Qt layout is left to it.
void FitLayoutToTexts(QWidget& client);
