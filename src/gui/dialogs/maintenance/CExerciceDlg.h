#pragma once

#include "core/Types.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace belvane {

class ValueFormat;
class CDateEdit;

// The new fiscal year dialog (dialog 215): the method that carries the old
// year forward, and the date and observation of the lines it generates. The
// methods that generate lines need both. Child object names: "1204" the
// method, "1023" the date, "1037" the observation, "1" OK, "2" Annuler,
// "57670" Aide.
class CExerciceDlg : public QDialog {
    Q_OBJECT

public:
    explicit CExerciceDlg(const ValueFormat& format, QWidget* parent = nullptr);

    // What was chosen, once the dialog closed with OK.
    int Method() const { return m_method; }
    DayDate Date() const { return m_date; }  // 0 when the text is not a date
    QString Observation() const { return m_observation; }

    QComboBox* MethodList() const { return m_methods; }
    CDateEdit* DateField() const { return m_dateField; }
    QLineEdit* ObservationField() const { return m_observationField; }

public slots:
    void accept() override;

private:
    QComboBox* m_methods = nullptr;
    CDateEdit* m_dateField = nullptr;
    QLineEdit* m_observationField = nullptr;
    int m_method = 0;
    DayDate m_date = 0;
    QString m_observation;
};

}  // namespace belvane
