#pragma once
#include <QWidget>
#include <QStringList>
class Lexikon : public QWidget {
    Q_OBJECT
public:
    explicit Lexikon(const QStringList& arguments = {}, QWidget* parent = nullptr);
};
