object Ecran: TTitleForm
  Left = 120
  Top = 90
  BorderStyle = bsNone
  Caption = 'Ecran de proba'
  ClientHeight = 260
  ClientWidth = 420
  Color = 11642264
  Constraints.MaxHeight = 1054
  Constraints.MaxWidth = 1926
  object TitleBar1: TTitleBar
    Left = 0
    Top = 0
    Width = 420
    Height = 25
    Align = alTop
    Caption = 'Ecran de proba'
    CaptionColor = clWhite
    StartColor = 7891292
    EndColor = 7891292
  end
  object BBack: TButton
    Left = 110
    Top = 220
    Width = 90
    Height = 28
    Caption = '&Inapoi'
    ModalResult = 4
    TabOrder = 0
  end
  object BNext: TButton
    Left = 210
    Top = 220
    Width = 90
    Height = 28
    Caption = 'I&nainte'
    Default = True
    ModalResult = 1
    TabOrder = 1
  end
  object BAbandon: TButton
    Left = 310
    Top = 220
    Width = 90
    Height = 28
    Cancel = True
    Caption = '&Abandon'
    ModalResult = 2
    TabOrder = 2
  end
end
