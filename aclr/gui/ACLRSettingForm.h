#pragma once

#include <QMap>
#include <QVector>
#include <QWidget>

class ParamACLR;
class QFormLayout;
class QLabel;

// Base of the ACLR settings pages: a form of fields, each bound to a key of the
// parameter set, rebuilt when the standard changes (the keys carry the standard's
// suffix: "OffsetCC1_LTE"). Entries take numbers with units ("20 MHz"); a text that
// is no number is put back to the last good value.
class ACLRSettingForm : public QWidget
{
    Q_OBJECT
public:
    explicit ACLRSettingForm(QWidget *parent = nullptr);

    // The keys and texts of the fields on show.
    QMap<QString, QString> values() const;
    void setValues(const ParamACLR &param);
    void setStandard(const QString &standard);
    QString standard() const { return m_standard; }
    // The field of a key, nullptr when not on show.
    QWidget *field(const QString &key) const;

signals:
    void changed();

protected:
    virtual void buildFields() = 0;
    // caption: untranslated ("ACLRSettingForm" context), %1 replaced by number when given.
    void addChoice(const QString &key, const char *caption, const QStringList &choices, int number = 0);
    void addEntry(const QString &key, const char *caption, int number = 0);
    // "LTE", "NR" or "CUSTOM".
    QString suffix() const;
    void changeEvent(QEvent *event) override;

private:
    struct Field
    {
        QString key;
        const char *caption;
        int number;
        QLabel *label;
        QWidget *widget;
    };
    void rebuild();
    void retranslate();
    void fill(const Field &field);
    void take(const Field &field);

    QFormLayout *m_form;
    QVector<Field> m_fields;
    QString m_standard;
    QMap<QString, QString> m_values;  // every key's text, shown or not
};
