object StandardControls: TStandardControlsForm
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'Controale standard'
  ClientHeight = 330
  ClientWidth = 560
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object ProgramLabel: TLabel
    Left = 12
    Top = 14
    Width = 46
    Height = 13
    Caption = '&Program:'
    FocusControl = ProgramEdit
  end
  object ProgramEdit: TEdit
    Left = 72
    Top = 10
    Width = 196
    Height = 21
    TabOrder = 0
    Text = 'C:\Kesvard\'
  end
  object NoteMemo: TMemo
    Left = 12
    Top = 40
    Width = 256
    Height = 58
    Lines.Strings = (
      'Ati selectat o instalare de tip client. '
      'Introduceti in campul "Date" calea pana la baza '
      'de date server.')
    ReadOnly = True
    ScrollBars = ssVertical
    TabOrder = 1
  end
  object KindCombo: TComboBox
    Left = 72
    Top = 106
    Width = 196
    Height = 21
    Style = csDropDownList
    Items.Strings = (
      'LOCAL'
      'SERVER'
      'CLIENT')
    ItemIndex = 1
    TabOrder = 2
  end
  object KindLabel: TLabel
    Left = 12
    Top = 110
    Width = 24
    Height = 13
    Caption = '&Tip:'
    FocusControl = KindCombo
  end
  object OptionsGroup: TGroupBox
    Left = 12
    Top = 136
    Width = 256
    Height = 80
    Caption = 'Componente'
    TabOrder = 3
    object ComponentList: TListBox
      Left = 8
      Top = 18
      Width = 240
      Height = 54
      Items.Strings = (
        'Program'
        'Baze de date'
        'Motor de baze de date')
      ItemIndex = 0
      TabOrder = 0
    end
  end
  object CopyProgress: TGauge
    Left = 12
    Top = 226
    Width = 256
    Height = 19
    ForeColor = 7891292
    BackColor = clBtnFace
    Progress = 40
  end
  object Separator: TBevel
    Left = 12
    Top = 254
    Width = 536
    Height = 2
    Shape = bsTopLine
  end
  object Picture: TImage
    Left = 236
    Top = 270
    Width = 16
    Height = 16
    AutoSize = True
    Transparent = True
    Picture.Data = {
      07544269746D6170424D36030000000000003600000028000000100000001000
      0000010018000000000000030000130B0000130B000000000000000000008080
      0080800080800080800080800080800080800080800080800080800080800080
      8000808000808000808000808000808000808000808000808000808000808000
      8080008080008080008080008080008080008080008080008080008080008080
      008080008080008080008080008080008080000000C00000C080800080800080
      8000808000808000808000808000808000808000808000808000808000808000
      0000C00000C00000C00000C08080008080008080008080008080008080008080
      008080008080008080008080000000C00000C00000C00000C00000C00000C080
      80008080008080008080008080008080008080008080008080000000C00000C0
      0000C00000C00000C00000C00000C00000C08080008080008080008080008080
      008080008080000000C00000C00000C00000C00000C00000C00000C00000C000
      00C00000C08080008080008080008080008080000000C00000C00000C00000C0
      0000C00000C00000C00000C00000C00000C00000C00000C08080008080008080
      008080000000C00000C00000C00000C00000C00000C00000C00000C00000C000
      00C00000C00000C08080008080008080008080008080000000C00000C00000C0
      0000C00000C00000C00000C00000C00000C00000C08080008080008080008080
      008080008080008080000000C00000C00000C00000C00000C00000C00000C000
      00C08080008080008080008080008080008080008080008080008080000000C0
      0000C00000C00000C00000C00000C08080008080008080008080008080008080
      008080008080008080008080008080000000C00000C00000C00000C080800080
      8000808000808000808000808000808000808000808000808000808000808000
      8080000000C00000C08080008080008080008080008080008080008080008080
      0080800080800080800080800080800080800080800080800080800080800080
      8000808000808000808000808000808000808000808000808000808000808000
      808000808000808000808000808000808000808000808000808000808000}
  end
  object DriveCombo: TDriveComboBox
    Left = 288
    Top = 10
    Width = 260
    Height = 19
    DirList = FolderList
    TabOrder = 4
  end
  object FolderList: TDirectoryListBox
    Left = 288
    Top = 40
    Width = 260
    Height = 176
    TabOrder = 5
  end
  object ButtonPanel: TPanel
    Left = 288
    Top = 226
    Width = 260
    Height = 20
    BevelOuter = bvLowered
    Caption = 'Gata de instalare'
    TabOrder = 6
  end
  object OkButton: TButton
    Left = 392
    Top = 270
    Width = 75
    Height = 25
    Caption = 'O&K'
    Default = True
    ModalResult = 1
    TabOrder = 7
  end
  object CancelButton: TButton
    Left = 473
    Top = 270
    Width = 75
    Height = 25
    Cancel = True
    Caption = '&Renunt'
    ModalResult = 2
    TabOrder = 8
  end
end
