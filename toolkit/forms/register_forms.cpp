// The titled form family as stored forms write it. Stored defaults: Kind mDate, XKind 0 (a
// loaded form starts as mDate whatever its description says); BorderStyle bsSizeable.
#include "toolkit/forms/register_forms.h"

#include "platform/ui/streaming/class_builder.h"
#include "toolkit/forms/message_form.h"

namespace tk {

namespace {

const ui::TEnumNames& ModuleKindNames() {
    static const ui::TEnumNames names = {{"mDate", mDate},
                                         {"mListe", mListe},
                                         {"mDocument", mDocument},
                                         {"mDorvane", mDorvane},
                                         {"mRetail", mRetail},
                                         {"mRestaurant", mRestaurant},
                                         {"mDateSrv", mDateSrv},
                                         {"mListeSrv", mListeSrv},
                                         {"mDateArenda", mDateArenda},
                                         {"mListeArenda", mListeArenda},
                                         {"mDateDecl", mDateDecl},
                                         {"mListeDecl", mListeDecl},
                                         {"mDateCLI", mDateCLI},
                                         {"mListeCLI", mListeCLI}};
    return names;
}

} // namespace

void RegisterFormsClasses() {
    ui::RegisterComponentClass<TMForm, ui::TForm>("TMForm")
        .Enum("Kind", ModuleKindNames(), "TKesvModuleKind",
              [](TMForm& f, int v) { f.SetKind(TKesvModuleKind(v)); })
        .Int("XKind", [](TMForm& f, int v) { f.SetXKind(v); });
    ui::RegisterComponentClass<TPaintedForm, TMForm>("TPaintedForm");
    ui::RegisterComponentClass<TTitleForm, TPaintedForm>("TTitleForm");
    ui::RegisterComponentClass<TMessageForm, TTitleForm>("TMessageForm");
}

} // namespace tk
