object BrokenForm: TTestForm
  Caption = 'Broken'
  OnCreate = NoSuchHandler
  Colour = clRed
  Left = ten
  object Label1: TButton
    Caption = 'wrong class'
  end
  object Gadget1: TGadget
    Left = 1
  end
  object Button1: TButton
    OnClick = AlsoMissing
    OnDblClick = Button1Click
  end
end
