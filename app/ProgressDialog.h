#pragma once
// The progress of a device transfer with a Cancel button, shown modeless.
// Cancel only asks the transfer to stop; the dialog stays until the
// transfer closes it.
#include "app/ModalDialog.h"

#include <cstdint>
#include <functional>

class CProgressDialog : public CModalDialog
{
public:
    static constexpr int kIdCancelButton = 9000;

    // onCancel runs on each Cancel, Escape or close box.
    explicit CProgressDialog(std::function<void()> onCancel);

    // The bar shows position * 100 / total.
    void SetPosition(std::int32_t position);
    // At least 1.
    void SetTotal(std::int32_t total);
    void SetText(const std::string& text);
    // Each operation titles the dialog.
    using CModalDialog::SetTitle;

protected:
    const char* GetTemplateName() const override { return "DialogProgress"; }
    void OnCommand(int id, int notification, LPARAM parameter) override;
    // The window must outlive the transfer, so cancelling never closes it.
    bool CanCancel() override;

private:
    void ShowPosition();

    std::function<void()> m_onCancel;
    std::int32_t m_position = 0;
    std::int32_t m_total = 100;
};
