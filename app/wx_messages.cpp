#include "app/wx_messages.h"

#include <wx/msgdlg.h>

namespace kw {

Answer WxMessages::Show(const wxString& text, const wxString& caption, Buttons buttons, Icon icon) {
    long style = wxCENTRE;
    switch (buttons) {
        case Buttons::Ok: style |= wxOK; break;
        case Buttons::YesNo: style |= wxYES_NO; break;
        case Buttons::YesNoNoDefault: style |= wxYES_NO | wxNO_DEFAULT; break;
        case Buttons::YesNoCancel: style |= wxYES_NO | wxCANCEL; break;
        case Buttons::YesNoCancelNoDefault: style |= wxYES_NO | wxCANCEL | wxNO_DEFAULT; break;
    }
    switch (icon) {
        case Icon::Information: style |= wxICON_INFORMATION; break;
        case Icon::Warning: style |= wxICON_EXCLAMATION; break;
        case Icon::Error: style |= wxICON_ERROR; break;
        case Icon::Question: style |= wxICON_QUESTION; break;
        case Icon::None: break;
    }
    wxMessageDialog dialog(nullptr, text, caption, style);
    switch (dialog.ShowModal()) {
        case wxID_YES: return Answer::Yes;
        case wxID_NO: return Answer::No;
        case wxID_CANCEL: return Answer::Cancel;
        default: return Answer::Ok;
    }
}

}  // namespace kw
