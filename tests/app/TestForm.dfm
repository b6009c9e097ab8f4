object TestForm: TTestForm
  Left = 10
  Top = 20
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Test'
  ClientHeight = 300
  ClientWidth = 600
  Font.Charset = DEFAULT_CHARSET
  Font.Height = -12
  Font.Name = 'System'
  OldCreateOrder = True
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  PixelsPerInch = 96
  TextHeight = 36
  object Label1: TLabel
    Left = 20
    Top = 40
    Width = 60
    Height = 36
    Caption = 'first'
  end
  object Button1: TButton
    Left = 100
    Top = 50
    Width = 80
    Height = 30
    Caption = 'Go'
    Enabled = False
    TabOrder = 0
    OnClick = Button1Click
  end
end
