// The address book dialog: moving mailboxes into the To and CC lists and back.
#include "address_book_dlg.h"

#include "resource.h"

namespace vxmail {
namespace {

constexpr UINT kRunDriver = WM_APP + 1;
ModalDriver g_driver = nullptr;

struct DialogState {
    const AddressBookRequest* request;
    std::vector<Recipient> known;  // every recipient a list row can stand for
    std::vector<Recipient>* chosen;
};

std::string RowText(const Recipient& recipient)
{
    if (recipient.name.empty() || recipient.name == recipient.address)
        return recipient.address;
    return recipient.name + " (" + recipient.address + ")";
}

void AddRow(HWND list, const DialogState& state, std::size_t index)
{
    int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::size_t present = static_cast<std::size_t>(SendMessageA(list, LB_GETITEMDATA, i, 0));
        if (state.known[present].address == state.known[index].address)
            return;  // already there
    }
    int row = static_cast<int>(
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(RowText(state.known[index]).c_str())));
    if (row >= 0)
        SendMessageA(list, LB_SETITEMDATA, row, static_cast<LPARAM>(index));
}

void MoveSelected(HWND dialog, const DialogState& state, int targetId)
{
    HWND source = GetDlgItem(dialog, IDC_MAILBOXES);
    HWND target = GetDlgItem(dialog, targetId);
    int count = static_cast<int>(SendMessageA(source, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (SendMessageA(source, LB_GETSEL, i, 0) > 0)
            AddRow(target, state, static_cast<std::size_t>(SendMessageA(source, LB_GETITEMDATA, i, 0)));
}

void RemoveSelected(HWND list)
{
    for (int i = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)) - 1; i >= 0; --i)
        if (SendMessageA(list, LB_GETSEL, i, 0) > 0)
            SendMessageA(list, LB_DELETESTRING, i, 0);
}

void Collect(HWND list, const DialogState& state, ULONG recipientClass, std::vector<Recipient>& out)
{
    int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        Recipient recipient = state.known[static_cast<std::size_t>(SendMessageA(list, LB_GETITEMDATA, i, 0))];
        recipient.recipientClass = recipientClass;
        out.push_back(recipient);
    }
}

void Initialise(HWND dialog, DialogState& state)
{
    const AddressBookRequest& request = *state.request;
    if (!request.caption.empty())
        SetWindowTextA(dialog, request.caption.c_str());
    HWND mailboxes = GetDlgItem(dialog, IDC_MAILBOXES);
    for (std::size_t i = 0; i < request.mailboxes.size(); ++i) {
        state.known.push_back(request.mailboxes[i]);
        int row = static_cast<int>(
            SendMessageA(mailboxes, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(RowText(request.mailboxes[i]).c_str())));
        if (row >= 0)
            SendMessageA(mailboxes, LB_SETITEMDATA, row, static_cast<LPARAM>(i));
    }
    for (const Recipient& recipient : request.initial) {
        state.known.push_back(recipient);
        int list = recipient.recipientClass == MAPI_CC && request.editFields >= 2 ? IDC_CC_LIST : IDC_TO_LIST;
        AddRow(GetDlgItem(dialog, list), state, state.known.size() - 1);
    }
    bool oneList = request.editFields == 1;
    if (oneList && !request.label.empty())
        SetDlgItemTextA(dialog, IDC_TO_LABEL, request.label.c_str());
    if (request.editFields < 2)
        for (int id : {IDC_CC_LIST, IDC_CC_LABEL, IDC_ADD_CC})
            ShowWindow(GetDlgItem(dialog, id), SW_HIDE);
    if (request.editFields == 0)
        for (int id : {IDC_TO_LIST, IDC_TO_LABEL, IDC_ADD_TO, IDC_REMOVE})
            ShowWindow(GetDlgItem(dialog, id), SW_HIDE);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        Initialise(dialog, *reinterpret_cast<DialogState*>(lParam));
        if (g_driver)
            PostMessageA(dialog, kRunDriver, 0, 0);
        return TRUE;
    case kRunDriver:
        if (g_driver)
            g_driver(dialog);
        return TRUE;
    case WM_COMMAND:
        if (!state)
            return FALSE;
        switch (LOWORD(wParam)) {
        case IDC_ADD_TO: MoveSelected(dialog, *state, IDC_TO_LIST); return TRUE;
        case IDC_ADD_CC: MoveSelected(dialog, *state, IDC_CC_LIST); return TRUE;
        case IDC_REMOVE:
            RemoveSelected(GetDlgItem(dialog, IDC_TO_LIST));
            RemoveSelected(GetDlgItem(dialog, IDC_CC_LIST));
            return TRUE;
        case IDC_MAILBOXES:
            if (HIWORD(wParam) == LBN_DBLCLK && state->request->editFields > 0)
                MoveSelected(dialog, *state, IDC_TO_LIST);
            return TRUE;
        case IDOK:
            state->chosen->clear();
            Collect(GetDlgItem(dialog, IDC_TO_LIST), *state, MAPI_TO, *state->chosen);
            Collect(GetDlgItem(dialog, IDC_CC_LIST), *state, MAPI_CC, *state->chosen);
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

}  // namespace

void SetModalDriver(ModalDriver driver)
{
    g_driver = driver;
}

bool RunAddressBook(HINSTANCE module, HWND parent, const AddressBookRequest& request, std::vector<Recipient>& chosen)
{
    DialogState state {&request, {}, &chosen};
    INT_PTR result = DialogBoxParamA(
        module, MAKEINTRESOURCEA(IDD_ADDRESS_BOOK), parent, DialogProc, reinterpret_cast<LPARAM>(&state));
    return result == IDOK;
}

}  // namespace vxmail
