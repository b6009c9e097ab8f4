object SDIAppForm: TSDIAppForm
  Left = 239
  Top = 125
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Tovrand'
  ClientHeight = 112
  ClientWidth = 294
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = 'System'
  Font.Style = []
  OldCreateOrder = True
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  PixelsPerInch = 96
  TextHeight = 18
  object LabelFileName: TLabel
    Left = 8
    Top = 24
    Width = 6
    Height = 18
  end
  object ButtonCancel: TButton
    Left = 112
    Top = 72
    Width = 75
    Height = 25
    Caption = 'Cancel'
    Enabled = False
    TabOrder = 0
    OnClick = ButtonCancelClick
  end
end
