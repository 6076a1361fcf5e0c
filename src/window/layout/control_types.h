// The widget class that stands for each kind of control of the layout table: the type of the
// window's pointer to it, and the class the factory creates (or a base of it).
#pragma once

#include "window/layout/layout.h"

class QCheckBox;
class QFrame;
class QPushButton;
class QRadioButton;

namespace window {

class CaptionLabel;
class EditBox;
class FileList;
class FolderList;
class TextList;
class TileStrip;

template <layout::Kind> struct ControlType;
// clang-format off
template <> struct ControlType<layout::Kind::Label> { using type = CaptionLabel; };
template <> struct ControlType<layout::Kind::TextBox> { using type = EditBox; };
template <> struct ControlType<layout::Kind::Button> { using type = QPushButton; };
template <> struct ControlType<layout::Kind::CheckBox> { using type = QCheckBox; };
template <> struct ControlType<layout::Kind::Toggle> { using type = QPushButton; };
template <> struct ControlType<layout::Kind::Option> { using type = QRadioButton; };
template <> struct ControlType<layout::Kind::ListBox> { using type = TextList; };
template <> struct ControlType<layout::Kind::FileList> { using type = FileList; };
template <> struct ControlType<layout::Kind::FolderList> { using type = FolderList; };
template <> struct ControlType<layout::Kind::Frame> { using type = QFrame; };
template <> struct ControlType<layout::Kind::Picture> { using type = TileStrip; };
// clang-format on

template <layout::Kind K> using ControlOf = typename ControlType<K>::type;

} // namespace window
