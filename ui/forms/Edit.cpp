#include "Edit.h"

#include "Form.h"

namespace tarnwick::forms {

// Enter is left to the dialog manager: in a field it presses the default
// button.
void Edit::ReportKeys() {
    if (!keys_)
        keys_ = std::make_unique<KeyDownHandler>(OwnerForm().App(), Handle(), onKeyDown, false);
}

} // namespace tarnwick::forms
