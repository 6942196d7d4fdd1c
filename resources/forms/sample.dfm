object SampleForm: TSampleForm
  Left = 240
  Top = 180
  BorderStyle = bsDialog
  Caption = 'Exemplu'
  ClientHeight = 132
  ClientWidth = 320
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  KeyPreview = True
  OldCreateOrder = False
  ActiveControl = ContinueButton
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  PixelsPerInch = 96
  TextHeight = 13
  object OuterPanel: TPanel
    Left = 0
    Top = 0
    Width = 320
    Height = 132
    Align = alClient
    BevelOuter = bvLowered
    BorderWidth = 4
    TabOrder = 0
    object PromptPanel: TPanel
      Left = 5
      Top = 5
      Width = 310
      Height = 72
      Align = alTop
      BevelOuter = bvNone
      Color = clWindow
      TabOrder = 1
      object PromptLabel: TLabel
        Left = 12
        Top = 12
        Width = 150
        Height = 13
        Caption = 'Alegeti &butonul dorit:'
        FocusControl = BackButton
      end
    end
    object ButtonPanel: TPanel
      Left = 5
      Top = 83
      Width = 310
      Height = 44
      Align = alBottom
      BevelOuter = bvNone
      TabOrder = 0
      object ContinueButton: TSampleButton
        Left = 132
        Top = 8
        Width = 84
        Height = 28
        Caption = '&Continua'
        Default = True
        ModalResult = 1
        TabOrder = 0
        OnClick = ButtonClick
      end
      object BackButton: TSampleButton
        Left = 222
        Top = 8
        Width = 84
        Height = 28
        Cancel = True
        Caption = '&Inapoi'
        ModalResult = 4
        TabOrder = 1
        OnClick = ButtonClick
      end
    end
  end
end
