#pragma once
// The question about a device type the catalogue cannot select, asked while
// a document opens: leave the address empty ("Y"), do so for every later
// unknown type of the file ("A"), or stop opening ("C").

#include <QDialog>

#include <string>

class MessageHost;
class QLabel;

class dlgIgnoreUnknown : public QDialog {
    Q_OBJECT

public:
    dlgIgnoreUnknown(int loop, int address, int deviceType, QWidget* parent = nullptr);

    // Shows the dialog modally, with the question sound: "Y", "A" or "C".
    // Closing it without an answer stops opening, as "C" does.
    static std::string UnknownResponse(MessageHost& host, int loop, int address, int deviceType,
                                       QWidget* parent = nullptr);

    const std::string& Response() const { return response_; }

private:
    void Answer(const char* response);

    std::string response_ = "C";
    QLabel* lblMsg_ = nullptr;
};
