#pragma once

#include <optional>

#include <QWidget>

class QLineEdit;

namespace halvex {

class KitLabel;
class SymbolView;

// The single-line text input of every form: an optional caption above, and
// an outlined row (ink outline while focused, divider otherwise) with an
// optional leading symbol and the input itself, which carries the
// accessibility identifier as its objectName. The text is the caller's:
// read text(), write setText(), follow textChanged().
class TextInputField final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextInputField)
public:
    struct Options {
        std::optional<QString> title{};
        QString placeholder{};
        QString text{};
        bool isSecure = false;
        bool autoFocus = false;
        std::optional<QString> icon{};
        std::optional<QString> accessibilityID{};
    };
    explicit TextInputField(Options options, QWidget *parent = nullptr);

    static constexpr int horizontalPadding = 12;
    static constexpr qreal cornerRadius = 8.0;

    QString text() const;
    void setText(const QString &text);

    bool isSecure() const { return m_secure; }
    // Masks or unmasks the entry; the text stays.
    void setSecure(bool secure);

    bool isFocused() const;
    bool autoFocus() const { return m_autoFocus; }

    QLineEdit *input() const { return m_input; }

signals:
    void textChanged(const QString &text);

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyTheme();
    void applyPadding();

    KitLabel *m_title = nullptr;
    QWidget *m_row;
    SymbolView *m_icon = nullptr;
    QLineEdit *m_input;
    bool m_secure = false;
    bool m_autoFocus = false;
};

} // namespace halvex
