// Each slice of the toolkit registers its own classes; this file only calls them, in the order
// in which the slices build on each other.
#include "toolkit/forms/register_toolkit_classes.h"

#include "toolkit/controls/register_buttons.h"
#include "toolkit/controls/register_edits.h"
#include "toolkit/controls/register_tabs.h"
#include "toolkit/forms/register_forms.h"
#include "toolkit/forms/register_titles.h"

namespace tk {

void RegisterToolkitClasses() {
    RegisterTitlesClasses();
    RegisterFormsClasses();
    RegisterEditsClasses();
    RegisterButtonsClasses();
    RegisterTabsClasses();
}

} // namespace tk
