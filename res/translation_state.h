// Whether the texts come from a catalog: the interface is in another
// language than the one its texts (and the fixed window layouts) were
// written in.
#pragma once

bool TextsTranslated();
