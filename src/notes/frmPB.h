#pragma once

#include "shell/BarModule.h"

// The sticky-notes module: the count caption and the new-note and notes-list buttons.
class frmPB : public BarModule {
    Q_OBJECT
public:
    explicit frmPB(AppContext& context, QWidget* parent = nullptr);
    void applySkin(SkinImages& images) override;
    // The notes count, "3 Pense-bête(s), 1 masqué(s)".
    void setCaption(const QString& caption);

signals:
    void addNoteClicked();
    void notesListClicked();

private:
    PictureBox* m_title;
    QLabel* m_caption;
    PictureBox* m_add;
    PictureBox* m_list;
};
