// What a screen reader learns of the source view: its lines, the caret and the selection.
#pragma once

namespace qm {

// Registers, once, the accessible interface of every TXRichEdit.
void InstallXRichEditAccessibility();

}  // namespace qm
