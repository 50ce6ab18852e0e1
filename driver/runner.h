#pragma once

// Performs a script's commands on the real window as a person would, through
// real input events, and prints what the window then shows.

#include "driver/script.h"

#include <QObject>
#include <QTextStream>

#include <vector>

namespace tavrimo {

class Application;

class Runner : public QObject {
public:
    Runner(Application& app, QTextStream& out);

    // Whether a control exists and has a property, for the script parser.
    script::Names names() const;
    void run(const std::vector<script::Command>& commands);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void perform(const script::Command& command);
    int controlId(const script::Command& command) const;
    void showPage(int page);
    void showPageOf(int id);
    void focus(int id);
    void click(int id);
    void type(int id, const QString& text);
    void paste(int id, const QString& text);
    void key(const std::string& name);
    void pick(int id, int item);
    void show(const script::Command& command);
    void dump();
    void settle();
    QString focusName() const;
    // "bytCategory=1", "page=2" and the like.
    QString windowValue(script::Value value) const;
    void print(const QString& line);

    Application& app_;
    QTextStream& out_;
};

}  // namespace tavrimo
