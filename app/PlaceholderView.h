#pragma once
// A blank view for a document window whose real view is not built in.
#include <QWidget>

#include "app/KirokanViewBase.h"

class CPlaceholderView : public QWidget, public CKirokanViewBase {
public:
    explicit CPlaceholderView(QWidget* parent = nullptr) : QWidget(parent) {
        setAutoFillBackground(true);
        setBackgroundRole(QPalette::Base);
    }
};
