#!/usr/bin/env python3
# Writes the three theme style sheets and their arrow images into resources/themes.
# The colours of each theme are listed once here; ThemeStyle.cpp keeps a matching palette.
import os
import string

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'resources', 'themes')
T = string.Template(r'''/* Tarnwick Studio, $title theme. Charts draw their own backgrounds. */

QWidget {
    background-color: $bg;
    color: $text;
    selection-background-color: $accent;
    selection-color: $accentText;
}
QWidget:disabled { color: $disabled; }

QMainWindow, QDialog { background-color: $bg; }
QFrame[frameShape="4"], QFrame[frameShape="5"] { color: $border; }

QToolTip {
    background-color: $tipBg;
    color: $tipText;
    border: 1px solid $border;
    padding: 3px 5px;
}

/* Buttons */
QPushButton {
    background-color: $button;
    color: $text;
    border: 1px solid $border;
    border-radius: $radius;
    padding: 4px 12px;
}
QPushButton:hover { background-color: $buttonHover; border-color: $accent; }
QPushButton:pressed { background-color: $buttonPressed; }
QPushButton:checked { background-color: $checked; color: $checkedText; border-color: $accent; }
QPushButton:disabled { background-color: $buttonDisabled; color: $disabled; border-color: $borderSoft; }
QPushButton:default { border-color: $accent; }

QToolButton {
    background-color: transparent;
    color: $text;
    border: 1px solid transparent;
    border-radius: $radius;
    padding: 3px;
}
QToolButton:hover { background-color: $buttonHover; border-color: $border; }
QToolButton:pressed, QToolButton:checked { background-color: $checked; color: $checkedText; }
QToolButton:disabled { color: $disabled; }

/* Inputs */
QLineEdit, QPlainTextEdit, QTextEdit, QAbstractSpinBox, QComboBox {
    background-color: $base;
    color: $text;
    border: 1px solid $border;
    border-radius: $radius;
    padding: 2px 4px;
    selection-background-color: $accent;
    selection-color: $accentText;
}
QLineEdit:focus, QPlainTextEdit:focus, QTextEdit:focus, QAbstractSpinBox:focus, QComboBox:focus { border-color: $accent; }
QLineEdit:disabled, QAbstractSpinBox:disabled, QComboBox:disabled { background-color: $buttonDisabled; color: $disabled; }
QLineEdit[readOnly="true"] { background-color: $panel; }

QAbstractSpinBox { padding-right: 18px; }
QAbstractSpinBox::up-button, QAbstractSpinBox::down-button {
    subcontrol-origin: border;
    width: 16px;
    background-color: $button;
    border-left: 1px solid $border;
}
QAbstractSpinBox::up-button { subcontrol-position: top right; border-top-right-radius: $radius; }
QAbstractSpinBox::down-button { subcontrol-position: bottom right; border-bottom-right-radius: $radius; }
QAbstractSpinBox::up-button:hover, QAbstractSpinBox::down-button:hover { background-color: $buttonHover; }
QAbstractSpinBox::up-arrow { image: url(:/Themes/$arrows-up.svg); width: 8px; height: 8px; }
QAbstractSpinBox::down-arrow { image: url(:/Themes/$arrows-down.svg); width: 8px; height: 8px; }
QAbstractSpinBox::up-arrow:disabled, QAbstractSpinBox::down-arrow:disabled { image: none; }

QComboBox { padding-right: 20px; }
QComboBox::drop-down {
    subcontrol-origin: padding;
    subcontrol-position: top right;
    width: 18px;
    border-left: 1px solid $border;
}
QComboBox::down-arrow { image: url(:/Themes/$arrows-down.svg); width: 8px; height: 8px; }
QComboBox QAbstractItemView {
    background-color: $base;
    color: $text;
    border: 1px solid $border;
    selection-background-color: $accent;
    selection-color: $accentText;
    outline: 0;
}

QCheckBox, QRadioButton { background-color: transparent; spacing: 6px; }
QCheckBox::indicator, QRadioButton::indicator {
    width: 13px;
    height: 13px;
    background-color: $base;
    border: 1px solid $borderStrong;
}
QCheckBox::indicator { border-radius: 2px; }
QRadioButton::indicator { border-radius: 7px; }
QCheckBox::indicator:checked { background-color: $accent; border-color: $accent; image: url(:/Themes/check.svg); }
QRadioButton::indicator:checked { background-color: $base; border: 4px solid $accent; width: 7px; height: 7px; }
QCheckBox::indicator:hover, QRadioButton::indicator:hover { border-color: $accent; }
QCheckBox::indicator:disabled, QRadioButton::indicator:disabled { background-color: $buttonDisabled; border-color: $borderSoft; }

/* Group boxes and tabs */
QGroupBox {
    background-color: $panel;
    border: 1px solid $border;
    border-radius: $radius;
    margin-top: 14px;
    padding: 8px 6px 6px 6px;
}
QGroupBox::title {
    subcontrol-origin: margin;
    subcontrol-position: top left;
    left: 8px;
    padding: 0 4px;
    color: $groupTitle;
    background-color: $bg;
}
QGroupBox QWidget { background-color: $panel; }
QGroupBox QLineEdit, QGroupBox QAbstractSpinBox, QGroupBox QComboBox { background-color: $base; }
QGroupBox QPushButton { background-color: $button; }
QGroupBox QPushButton:hover { background-color: $buttonHover; }
QGroupBox QPushButton:checked { background-color: $checked; }

QTabWidget::pane { background-color: $panel; border: 1px solid $border; top: -1px; }
QTabBar { background-color: transparent; }
QTabBar::tab {
    background-color: $tab;
    color: $tabText;
    border: 1px solid $border;
    padding: 5px 12px;
    margin-right: 1px;
}
QTabBar::tab:top { border-bottom: none; border-top-left-radius: $radius; border-top-right-radius: $radius; }
QTabBar::tab:bottom { border-top: none; border-bottom-left-radius: $radius; border-bottom-right-radius: $radius; }
QTabBar::tab:selected { background-color: $panel; color: $text; border-color: $border; border-top: 2px solid $accent; }
QTabBar::tab:hover:!selected { background-color: $buttonHover; color: $text; }
QTabBar::tab:disabled { color: $disabled; }

/* Menus */
QMenuBar { background-color: $chrome; color: $chromeText; }
QMenuBar::item { background-color: transparent; padding: 4px 10px; }
QMenuBar::item:selected { background-color: $accent; color: $accentText; }
QMenu { background-color: $panel; color: $text; border: 1px solid $border; padding: 3px; }
QMenu::item { padding: 4px 22px 4px 18px; background-color: transparent; }
QMenu::item:selected { background-color: $accent; color: $accentText; }
QMenu::item:disabled { color: $disabled; }
QMenu::separator { height: 1px; background-color: $border; margin: 3px 6px; }

/* Views */
QAbstractItemView {
    background-color: $base;
    alternate-background-color: $alternate;
    color: $text;
    gridline-color: $borderSoft;
    border: 1px solid $border;
    selection-background-color: $accent;
    selection-color: $accentText;
}
QHeaderView::section {
    background-color: $tab;
    color: $text;
    border: none;
    border-right: 1px solid $border;
    border-bottom: 1px solid $border;
    padding: 3px 6px;
}
QTableCornerButton::section { background-color: $tab; border: none; }

QProgressBar {
    background-color: $base;
    color: $text;
    border: 1px solid $border;
    border-radius: $radius;
    text-align: center;
}
QProgressBar::chunk { background-color: $progress; }

QScrollBar:vertical { background-color: $bg; width: 12px; margin: 0; }
QScrollBar:horizontal { background-color: $bg; height: 12px; margin: 0; }
QScrollBar::handle { background-color: $scrollHandle; border-radius: 4px; margin: 2px; }
QScrollBar::handle:vertical { min-height: 24px; }
QScrollBar::handle:horizontal { min-width: 24px; }
QScrollBar::handle:hover { background-color: $accent; }
QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }
QScrollBar::add-page, QScrollBar::sub-page { background: none; }

QSlider::groove:horizontal { height: 4px; background-color: $border; border-radius: 2px; }
QSlider::handle:horizontal { width: 12px; margin: -5px 0; background-color: $accent; border-radius: 6px; }
QSplitter::handle { background-color: $border; }
QStatusBar { background-color: $chrome; color: $chromeText; }
QLabel { background-color: transparent; }

/* Frameless window title bar */
#titleBar { background-color: $chrome; }
#titleBar QLabel { color: $chromeText; font-weight: bold; }
#titleBar QToolButton { color: $chromeText; border: none; border-radius: 0; font-size: 13px; }
#titleBar QToolButton:hover { background-color: $chromeHover; }
#titleBar #titleBarButClose:hover { background-color: #c42b1c; color: #ffffff; }

/* Vertical menu */
#frameVerticalMenu { background-color: $menuBg; border-right: 1px solid $border; }
#frameVerticalMenu QWidget { background-color: $menuBg; }
#frameVerticalMenu QPushButton {
    background-color: $menuBg;
    color: $menuText;
    border: none;
    border-left: 3px solid transparent;
    border-bottom: 1px solid $menuLine;
    border-radius: 0;
    padding: 2px 6px;
    text-align: center;
}
#frameVerticalMenu QPushButton:hover { background-color: $menuHover; border-left-color: $accent; }
#frameVerticalMenu QPushButton:checked { background-color: $menuChecked; color: $menuCheckedText; border-left-color: $menuMark; }
#frameVerticalMenu QPushButton:disabled { color: $disabled; }
#frameVerticalMenu QPushButton:checked:disabled { background-color: $menuChecked; color: $menuCheckedText; }
#frameVerticalMenu QRadioButton { background-color: $menuBg; }
''')

themes = {
 'dark': dict(title='dark', bg='#23272e', panel='#2a2f37', base='#1a1d22', alternate='#22262c', text='#e6e9ee',
   disabled='#7c8591', border='#444c57', borderSoft='#363c45', borderStrong='#6b7683', button='#333a44', buttonHover='#3e4652',
   buttonPressed='#272c34', buttonDisabled='#2a2f37', accent='#2d6eb5', accentText='#ffffff', checked='#2e6aa3', checkedText='#ffffff',
   tipBg='#30363f', tipText='#e6e9ee', groupTitle='#8ec5ff', tab='#2c323a', tabText='#b7bfc9', chrome='#181b20', chromeText='#dfe4ea',
   chromeHover='#2e343d', scrollHandle='#4a525e', menuBg='#1b1f24', menuText='#d5dbe2', menuLine='#2a2f37', menuHover='#2a3039',
   menuChecked='#24466a', menuCheckedText='#ffffff', menuMark='#6cb6ff', radius='3px', arrows='light', progress='#285f9f'),
 'light': dict(title='light', bg='#f3f5f8', panel='#ffffff', base='#ffffff', alternate='#f4f6f9', text='#1d2329',
   disabled='#737c87', border='#b9c2cc', borderSoft='#dce1e7', borderStrong='#7d8894', button='#e6eaef', buttonHover='#d9e4f1',
   buttonPressed='#c7d3e1', buttonDisabled='#eef0f3', accent='#2f74c0', accentText='#ffffff', checked='#2f74c0', checkedText='#ffffff',
   tipBg='#ffffe1', tipText='#1d2329', groupTitle='#1f5b9c', tab='#e4e8ee', tabText='#3b4550', chrome='#dfe4ea', chromeText='#1d2329',
   chromeHover='#cbd3dd', scrollHandle='#b3bcc7', menuBg='#e8ecf1', menuText='#1d2329', menuLine='#d5dbe2', menuHover='#d9e4f1',
   menuChecked='#2f74c0', menuCheckedText='#ffffff', menuMark='#103e70', radius='3px', arrows='dark', progress='#9cc3ee'),
 'classic': dict(title='classic', bg='#d4d0c8', panel='#dcd8d0', base='#ffffff', alternate='#f1efe9', text='#000000',
   disabled='#5e5e5e', border='#808080', borderSoft='#b5b1a9', borderStrong='#404040', button='#e0ddd6', buttonHover='#ebe9e3',
   buttonPressed='#bfbab0', buttonDisabled='#d4d0c8', accent='#0a246a', accentText='#ffffff', checked='#0a246a', checkedText='#ffffff',
   tipBg='#ffffe1', tipText='#000000', groupTitle='#0a246a', tab='#c9c5bc', tabText='#000000', chrome='#0a246a', chromeText='#ffffff',
   chromeHover='#3a5a9a', scrollHandle='#a9a59c', menuBg='#c8c4bb', menuText='#000000', menuLine='#b0aca3', menuHover='#dedbd3',
   menuChecked='#0a246a', menuCheckedText='#ffffff', menuMark='#f0c000', radius='0px', arrows='dark', progress='#98b4e0'),
}
for name, v in themes.items():
    open(os.path.join(HERE, f'{name}.qss'), 'w').write(T.substitute(v))

arrow = '<svg xmlns="http://www.w3.org/2000/svg" width="8" height="8" viewBox="0 0 8 8"><path d="{d}" fill="{c}"/></svg>\n'
for tone, c in (('light', '#dfe4ea'), ('dark', '#2b323a')):
    open(os.path.join(HERE, f'{tone}-up.svg'), 'w').write(arrow.format(d='M0 6 L4 1 L8 6 Z', c=c))
    open(os.path.join(HERE, f'{tone}-down.svg'), 'w').write(arrow.format(d='M0 2 L4 7 L8 2 Z', c=c))
open(os.path.join(HERE, 'check.svg'), 'w').write('<svg xmlns="http://www.w3.org/2000/svg" width="13" height="13" viewBox="0 0 13 13"><path d="M2.5 6.5 L5.3 9.3 L10.5 3.6" fill="none" stroke="#ffffff" stroke-width="2"/></svg>\n')
