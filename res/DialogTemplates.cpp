#include "res/DialogTemplates.h"

#include "res/DateConverterTexts.h"
#include "res/MuseumSearchTexts.h"

namespace res {
namespace {

const DialogTemplate* const kDialogTemplates[] = {
    &kAboutDialogTemplate,
    &kNewTypeDialogTemplate,
    &kHaikuCardDialogTemplate,
    &kTextWorkDialogTemplate,
    &kOnePointDialogTemplate,
    &kSimpleHelpDialogTemplate,
    &kDisplayYearDialogTemplate,
    &kDateConverterDialogTemplate,
    &kMuseumSearchDialogTemplate,
};

}  // namespace

std::span<const DialogTemplate* const> GetDialogTemplates() { return kDialogTemplates; }

const DialogTemplate* FindDialogTemplate(int id) {
    for (const DialogTemplate* t : kDialogTemplates)
        if (t->id == id) return t;
    return nullptr;
}

const DialogControl* FindControl(const DialogTemplate& t, int id) {
    for (const DialogControl& c : t.controls)
        if (c.id == id) return &c;
    return nullptr;
}

}  // namespace res
